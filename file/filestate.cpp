#include "file/filestate.h"

FileState &FileState::instance()
{
    static FileState state;
    return state;
}
