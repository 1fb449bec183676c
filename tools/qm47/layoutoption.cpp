#include "layoutoption.h"

#include "console.h"
#include "texts.h"

#include <algorithm>
#include <iterator>

namespace {

struct LayoutChoice {
    const char *name;
    NameTable table;
};

constexpr LayoutChoice Layouts[] = {
    {"en", NameTable::English}, {"de", NameTable::German},     {"fr", NameTable::French},
    {"es", NameTable::Spanish}, {"pt", NameTable::Portuguese},
};

} // namespace

OptionSpec layoutOption()
{
    return {QStringLiteral("layout"), QStringLiteral("de|fr|es|pt|en"),
            Texts::tr("Name keys as on this keyboard layout (default en).")};
}

bool layoutFromOption(const Invocation &invocation, const QString &command, NameTable &table)
{
    table = NameTable::English;
    if (!invocation.isSet(QStringLiteral("layout")))
        return true;
    const QString wanted = invocation.value(QStringLiteral("layout")).toLower();
    const auto *choice = std::find_if(std::begin(Layouts), std::end(Layouts),
                                      [&](const LayoutChoice &l) { return wanted == QLatin1String(l.name); });
    if (choice == std::end(Layouts)) {
        err() << "qm47: " << command << ": " << Texts::tr("--layout takes de, fr, es, pt or en") << Qt::endl
              << Texts::tr("Run \"%1\" for help.").arg(QStringLiteral("qm47 %1 --help").arg(command))
              << Qt::endl;
        return false;
    }
    table = choice->table;
    return true;
}
