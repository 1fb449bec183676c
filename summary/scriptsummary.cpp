#include "summary/scriptsummary.h"

#include "keyboard/keynames.h"
#include "keyboard/keytranslate.h"
#include "summary/layoutkeymap.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <optional>

namespace {

// Modifier kinds in the order the desktop writes them in a chord.
enum Modifier { Super, Ctrl, Alt, AltGr, Shift, ModifierCount, NoModifier = ModifierCount };

const char *const ModifierNames[ModifierCount] = {"Super", "Ctrl", "Alt", "AltGr", "Shift"};

Modifier modifierOf(xkb_keysym_t sym)
{
    switch (sym) {
    case XKB_KEY_Control_L: case XKB_KEY_Control_R: return Ctrl;
    case XKB_KEY_Shift_L: case XKB_KEY_Shift_R: return Shift;
    case XKB_KEY_Alt_L: case XKB_KEY_Alt_R: case XKB_KEY_Meta_L: case XKB_KEY_Meta_R: return Alt;
    case XKB_KEY_ISO_Level3_Shift: case XKB_KEY_Mode_switch: return AltGr;
    case XKB_KEY_Super_L: case XKB_KEY_Super_R: case XKB_KEY_Hyper_L: case XKB_KEY_Hyper_R:
        return Super;
    default: return NoModifier;
    }
}

bool isPrintable(uint32_t codePoint)
{
    return codePoint >= 0x20 && codePoint != 0x7F && !(codePoint >= 0x80 && codePoint < 0xA0);
}

QString fromCodePoint(uint32_t codePoint)
{
    const char32_t c = codePoint;
    return QString::fromUcs4(&c, 1);
}

// A key as the desktop names it in a chord: the character of its first
// level in capitals ("T", "&"), else its keysym name made readable.
QString keyLabel(xkb_keysym_t sym)
{
    if (sym == XKB_KEY_space)
        return QStringLiteral("Space");
    const uint32_t codePoint = xkb_keysym_to_utf32(sym);
    if (isPrintable(codePoint))
        return fromCodePoint(codePoint).toUpper();
    switch (sym) {
    case XKB_KEY_BackSpace: return QStringLiteral("Backspace");
    case XKB_KEY_Prior: return QStringLiteral("Page Up");
    case XKB_KEY_Next: return QStringLiteral("Page Down");
    default: break;
    }
    char name[64] = {};
    if (xkb_keysym_get_name(sym, name, sizeof name) <= 0)
        return QString();
    return QString::fromLatin1(name).replace(u'_', u' ');
}

struct HeldKey {
    KeyCode code = 0;
    xkb_keycode_t keycode = 0;
    Modifier modifier = NoModifier;
    QString label;
    bool sawKey = false;    // another key went down while this one was held
    bool announced = false; // told as held across a delay
    int typedLength = 0;    // characters this key's press added to the text
    int typedAt = -1;       // the step list's version right after that
};

// The steps under construction. Adjacent text is one step and adjacent
// delays are one step; `version` changes with every change, so that a key
// can tell whether the text still ends with what it typed.
class StepList
{
public:
    void addText(const QString &text)
    {
        if (text.isEmpty())
            return;
        if (!steps.isEmpty() && steps.last().kind == SummaryStep::Text)
            steps.last().text += text;
        else
            steps.append({SummaryStep::Text, text, 0});
        ++version;
    }
    void add(SummaryStep::Kind kind, const QString &text)
    {
        steps.append({kind, text, 0});
        ++version;
    }
    void addHalfSecond()
    {
        if (!steps.isEmpty() && steps.last().kind == SummaryStep::Delay)
            ++steps.last().halfSeconds;
        else
            steps.append({SummaryStep::Delay, QString(), 1});
        ++version;
    }
    // Takes back what a key typed, when nothing came after it.
    void dropTyped(const HeldKey &key)
    {
        if (key.typedLength == 0 || key.typedAt != version || steps.isEmpty()
            || steps.last().kind != SummaryStep::Text)
            return;
        QString &text = steps.last().text;
        text.chop(key.typedLength);
        if (text.isEmpty())
            steps.removeLast();
        ++version;
    }

    QList<SummaryStep> steps;
    int version = 0;
};

QString chordOf(const bool (&held)[ModifierCount], const QString &key)
{
    QStringList parts;
    for (int m = 0; m < ModifierCount; ++m)
        if (held[m])
            parts << QString::fromLatin1(ModifierNames[m]);
    if (!key.isEmpty())
        parts << key;
    return parts.join(u'+');
}

class Player
{
public:
    explicit Player(const LayoutKeymap &keymap)
        : map_(keymap.keymap())
    {
        if (map_)
            state_.reset(xkb_state_new(map_));
        if (keymap.composeTable())
            compose_.reset(xkb_compose_state_new(keymap.composeTable(), XKB_COMPOSE_STATE_NO_FLAGS));
    }

    void press(KeyCode code)
    {
        const xkb_keycode_t keycode = keycodeOf(code);
        const xkb_keysym_t base = baseSym(keycode);
        HeldKey key{code, keycode, modifierOf(base), labelOf(code, base)};
        if (key.modifier == NoModifier) {
            for (HeldKey &other : held_)
                other.sawKey = true;
            play(key);
        }
        if (state_ && keycode)
            xkb_state_update_key(state_.get(), keycode, XKB_KEY_DOWN);
        held_.append(key);
    }

    void release(KeyCode code)
    {
        int index = 0;
        while (index < held_.size() && held_[index].code != code)
            ++index;
        if (index == held_.size())
            return;
        const HeldKey key = held_.takeAt(index);
        if (state_ && key.keycode)
            xkb_state_update_key(state_.get(), key.keycode, XKB_KEY_UP);
        if (key.modifier == NoModifier || key.sawKey || key.announced)
            return;
        // Modifiers pressed on their own: a tap ("Super") or several at once
        // ("Ctrl+Shift"), told when the first of them goes up.
        bool mods[ModifierCount] = {};
        mods[key.modifier] = true;
        for (HeldKey &other : held_) {
            if (other.modifier != NoModifier && !other.sawKey) {
                mods[other.modifier] = true;
                other.sawKey = true;
            }
        }
        steps_.add(SummaryStep::Keys, chordOf(mods, QString()));
    }

    void halfSecond()
    {
        // A key held across the delay is told as held rather than as the
        // character its press typed: first take that character back (only
        // the key typed last can own the end of the text), then tell them.
        for (const HeldKey &key : held_)
            if (!key.announced)
                steps_.dropTyped(key);
        for (HeldKey &key : held_) {
            if (key.announced)
                continue;
            key.announced = true;
            steps_.add(SummaryStep::Hold, key.label);
        }
        steps_.addHalfSecond();
    }

    QList<SummaryStep> finish()
    {
        for (const HeldKey &key : held_)
            steps_.add(SummaryStep::StaysDown, key.label);
        return steps_.steps;
    }

private:
    struct StateFree {
        void operator()(xkb_state *p) const { xkb_state_unref(p); }
        void operator()(xkb_compose_state *p) const { xkb_compose_state_unref(p); }
    };

    xkb_keycode_t keycodeOf(KeyCode code) const
    {
        const uint32_t evdev = evdevCodeOfDeviceKey(code);
        return map_ && evdev ? xkb_keycode_t(evdev + 8) : 0;
    }

    xkb_keysym_t baseSym(xkb_keycode_t keycode) const
    {
        const xkb_keysym_t *syms = nullptr;
        if (!keycode || xkb_keymap_key_get_syms_by_level(map_, keycode, 0, 0, &syms) < 1)
            return XKB_KEY_NoSymbol;
        return syms[0];
    }

    static QString labelOf(KeyCode code, xkb_keysym_t base)
    {
        const Modifier modifier = modifierOf(base);
        if (modifier != NoModifier)
            return QString::fromLatin1(ModifierNames[modifier]);
        const QString label = base == XKB_KEY_NoSymbol ? QString() : keyLabel(base);
        if (!label.isEmpty())
            return label;
        // A key the layout does not know: its name, or its code where it has none.
        const QString name = keyNameIn(NameTable::English, code);
        return name != QLatin1String("ERROR")
            ? name
            : QStringLiteral("0x") + QString::number(code, 16).rightJustified(2, u'0').toUpper();
    }

    void heldModifiers(bool (&mods)[ModifierCount]) const
    {
        for (const HeldKey &key : held_)
            if (key.modifier != NoModifier)
                mods[key.modifier] = true;
    }

    void play(HeldKey &key)
    {
        bool mods[ModifierCount] = {};
        heldModifiers(mods);
        const bool chord = mods[Ctrl] || mods[Alt] || mods[Super];
        if (!chord && state_ && key.keycode) {
            if (const std::optional<QString> typed = typedBy(key.keycode, mods[Shift])) {
                steps_.addText(*typed);
                key.typedLength = int(typed->size());
                key.typedAt = steps_.version;
                return;
            }
        }
        // A chord, or a key without a character: named with the modifiers held.
        steps_.add(SummaryStep::Keys, chordOf(mods, key.label));
    }

    // What a key types in the current state: its character, the result of a
    // finished dead-key sequence, an empty text while a sequence goes on, or
    // nothing for a key that types no character.
    std::optional<QString> typedBy(xkb_keycode_t keycode, bool shift)
    {
        const xkb_keysym_t sym = xkb_state_key_get_one_sym(state_.get(), keycode);
        if (!shift && (sym == XKB_KEY_Return || sym == XKB_KEY_KP_Enter))
            return QStringLiteral("\u23CE");
        if (!shift && sym == XKB_KEY_Tab)
            return QStringLiteral("\u21E5");
        if (compose_ && xkb_compose_state_feed(compose_.get(), sym) == XKB_COMPOSE_FEED_ACCEPTED) {
            switch (xkb_compose_state_get_status(compose_.get())) {
            case XKB_COMPOSE_COMPOSING:
                return QString();
            case XKB_COMPOSE_COMPOSED: {
                char utf8[64] = {};
                xkb_compose_state_get_utf8(compose_.get(), utf8, sizeof utf8);
                xkb_compose_state_reset(compose_.get());
                return QString::fromUtf8(utf8);
            }
            case XKB_COMPOSE_CANCELLED:
                // A dead key followed by a key it does not combine with:
                // the desktop types neither.
                xkb_compose_state_reset(compose_.get());
                return QString();
            case XKB_COMPOSE_NOTHING:
                break;
            }
        }
        const uint32_t codePoint = xkb_state_key_get_utf32(state_.get(), keycode);
        if (!isPrintable(codePoint))
            return std::nullopt;
        return fromCodePoint(codePoint);
    }

    xkb_keymap *map_ = nullptr;
    std::unique_ptr<xkb_state, StateFree> state_;
    std::unique_ptr<xkb_compose_state, StateFree> compose_;
    QList<HeldKey> held_;
    StepList steps_;
};

} // namespace

QList<SummaryStep> summarizeScript(const ButtonContent &content, const LayoutKeymap &keymap)
{
    Player player(keymap);
    for (int i = 0; i < content.length; ++i) {
        const ContentEntry &entry = content.entries[size_t(i)];
        if (entry.action == ActionPress)
            player.press(entry.key);
        else if (entry.action == ActionRelease)
            player.release(entry.key);
        else if (entry.action == ActionDelay && entry.key == DelayFirstHalf)
            player.halfSecond();
    }
    return player.finish();
}
