#include "summary/layoutkeymap.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

void LayoutKeymap::Free::operator()(xkb_context *p) const { xkb_context_unref(p); }
void LayoutKeymap::Free::operator()(xkb_keymap *p) const { xkb_keymap_unref(p); }
void LayoutKeymap::Free::operator()(xkb_compose_table *p) const { xkb_compose_table_unref(p); }

LayoutKeymap::LayoutKeymap(const QString &layout)
    : layout_(layout)
{
    // The session's XKB_DEFAULT_* variables must not change what a layout
    // name means: the summary of a file is the same on every machine.
    context_.reset(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (!context_)
        return;
    xkb_context_set_log_level(context_.get(), XKB_LOG_LEVEL_CRITICAL);
    const QByteArray name = layout.toUtf8();
    const xkb_rule_names names{"evdev", "pc105", name.constData(), "", ""};
    keymap_.reset(xkb_keymap_new_from_names(context_.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    // Dead keys compose through the sequences of the X11 locale data; those
    // of en_US.UTF-8 hold the accents of every Latin layout, and naming the
    // locale keeps the result independent of the session's own.
    compose_.reset(xkb_compose_table_new_from_locale(context_.get(), "en_US.UTF-8",
                                                     XKB_COMPOSE_COMPILE_NO_FLAGS));
}

LayoutKeymap::~LayoutKeymap() = default;

QString xkbLayoutForNameTable(NameTable table)
{
    switch (table) {
    case NameTable::German: return QStringLiteral("de");
    case NameTable::French: return QStringLiteral("fr");
    case NameTable::Spanish: return QStringLiteral("es");
    case NameTable::Portuguese: return QStringLiteral("pt");
    case NameTable::English: break;
    }
    return QStringLiteral("us");
}
