// The Windows identity of every key of a 105-key keyboard, as the Linux input
// event codes name them, and the device code that follows from it.
#include "keyboard/evdevkeys.h"
#include "keyboard/keynames.h"
#include "keyboard/keytranslate.h"

#include <QtTest>

#include <set>

namespace {

struct KeyRow {
    const char *name;
    uint32_t evdev;
    uint32_t vk;
    uint32_t scan;
    bool extended;
    int code; // device code of a plain press
};

constexpr bool E = true;
constexpr bool N = false;

// What the Windows hook reports for each key (US layout, Num Lock on).
const KeyRow Keyboard105[] = {
    {"Escape", 1, 0x1B, 0x01, N, 0x08},
    {"F1", 59, 0x70, 0x3B, N, 0x07}, {"F2", 60, 0x71, 0x3C, N, 0x0F},
    {"F3", 61, 0x72, 0x3D, N, 0x17}, {"F4", 62, 0x73, 0x3E, N, 0x1F},
    {"F5", 63, 0x74, 0x3F, N, 0x27}, {"F6", 64, 0x75, 0x40, N, 0x2F},
    {"F7", 65, 0x76, 0x41, N, 0x37}, {"F8", 66, 0x77, 0x42, N, 0x3F},
    {"F9", 67, 0x78, 0x43, N, 0x47}, {"F10", 68, 0x79, 0x44, N, 0x4F},
    {"F11", 87, 0x7A, 0x57, N, 0x56}, {"F12", 88, 0x7B, 0x58, N, 0x5E},

    {"`", 41, 0xC0, 0x29, N, 0x0E},
    {"1", 2, 0x31, 0x02, N, 0x16}, {"2", 3, 0x32, 0x03, N, 0x1E},
    {"3", 4, 0x33, 0x04, N, 0x26}, {"4", 5, 0x34, 0x05, N, 0x25},
    {"5", 6, 0x35, 0x06, N, 0x2E}, {"6", 7, 0x36, 0x07, N, 0x36},
    {"7", 8, 0x37, 0x08, N, 0x3D}, {"8", 9, 0x38, 0x09, N, 0x3E},
    {"9", 10, 0x39, 0x0A, N, 0x46}, {"0", 11, 0x30, 0x0B, N, 0x45},
    {"-", 12, 0xBD, 0x0C, N, 0x4E}, {"=", 13, 0xBB, 0x0D, N, 0x55},
    {"Backspace", 14, 0x08, 0x0E, N, 0x66},

    {"Tab", 15, 0x09, 0x0F, N, 0x0D},
    {"Q", 16, 0x51, 0x10, N, 0x15}, {"W", 17, 0x57, 0x11, N, 0x1D},
    {"E", 18, 0x45, 0x12, N, 0x24}, {"R", 19, 0x52, 0x13, N, 0x2D},
    {"T", 20, 0x54, 0x14, N, 0x2C}, {"Y", 21, 0x59, 0x15, N, 0x35},
    {"U", 22, 0x55, 0x16, N, 0x3C}, {"I", 23, 0x49, 0x17, N, 0x43},
    {"O", 24, 0x4F, 0x18, N, 0x44}, {"P", 25, 0x50, 0x19, N, 0x4D},
    {"[", 26, 0xDB, 0x1A, N, 0x54}, {"]", 27, 0xDD, 0x1B, N, 0x5B},

    {"Caps Lock", 58, 0x14, 0x3A, N, 0x14},
    {"A", 30, 0x41, 0x1E, N, 0x1C}, {"S", 31, 0x53, 0x1F, N, 0x1B},
    {"D", 32, 0x44, 0x20, N, 0x23}, {"F", 33, 0x46, 0x21, N, 0x2B},
    {"G", 34, 0x47, 0x22, N, 0x34}, {"H", 35, 0x48, 0x23, N, 0x33},
    {"J", 36, 0x4A, 0x24, N, 0x3B}, {"K", 37, 0x4B, 0x25, N, 0x42},
    {"L", 38, 0x4C, 0x26, N, 0x4B}, {";", 39, 0xBA, 0x27, N, 0x4C},
    {"'", 40, 0xDE, 0x28, N, 0x52}, {"# (left of Enter)", 43, 0xDC, 0x2B, N, 0x53},
    {"Enter", 28, 0x0D, 0x1C, N, 0x5A},

    {"left Shift", 42, 0xA0, 0x2A, N, 0x12}, {"< (left of Z)", 86, 0xE2, 0x56, N, 0x13},
    {"Z", 44, 0x5A, 0x2C, N, 0x1A}, {"X", 45, 0x58, 0x2D, N, 0x22},
    {"C", 46, 0x43, 0x2E, N, 0x21}, {"V", 47, 0x56, 0x2F, N, 0x2A},
    {"B", 48, 0x42, 0x30, N, 0x32}, {"N", 49, 0x4E, 0x31, N, 0x31},
    {"M", 50, 0x4D, 0x32, N, 0x3A}, {",", 51, 0xBC, 0x33, N, 0x41},
    {".", 52, 0xBE, 0x34, N, 0x49}, {"/", 53, 0xBF, 0x35, N, 0x4A},
    {"right Shift", 54, 0xA1, 0x36, N, 0x59},

    {"left Ctrl", 29, 0xA2, 0x1D, N, 0x11}, {"left Windows", 125, 0x5B, 0x5B, E, 0x8B},
    {"left Alt", 56, 0xA4, 0x38, N, 0x19}, {"Space", 57, 0x20, 0x39, N, 0x29},
    {"AltGr", 100, 0xA5, 0x38, E, 0x39}, {"right Windows", 126, 0x5C, 0x5C, E, 0x8C},
    {"Menu", 127, 0x5D, 0x5D, E, 0x8D}, {"right Ctrl", 97, 0xA3, 0x1D, E, 0x58},

    {"Print", 99, 0x2C, 0x37, E, 0x57}, {"Scroll Lock", 70, 0x91, 0x46, N, 0x5F},
    {"Pause", 119, 0x13, 0x45, N, 0x62},

    {"Insert", 110, 0x2D, 0x52, E, 0x67}, {"Home", 102, 0x24, 0x47, E, 0x6E},
    {"Page Up", 104, 0x21, 0x49, E, 0x6F}, {"Delete", 111, 0x2E, 0x53, E, 0x64},
    {"End", 107, 0x23, 0x4F, E, 0x65}, {"Page Down", 109, 0x22, 0x51, E, 0x6D},
    {"Up", 103, 0x26, 0x48, E, 0x63}, {"Left", 105, 0x25, 0x4B, E, 0x61},
    {"Down", 108, 0x28, 0x50, E, 0x60}, {"Right", 106, 0x27, 0x4D, E, 0x6A},

    {"Num Lock", 69, 0x90, 0x45, E, 0x76}, {"pad /", 98, 0x6F, 0x35, E, 0x77},
    {"pad *", 55, 0x6A, 0x37, N, 0x7E}, {"pad -", 74, 0x6D, 0x4A, N, 0x84},
    {"pad 7", 71, 0x67, 0x47, N, 0x6C}, {"pad 8", 72, 0x68, 0x48, N, 0x75},
    {"pad 9", 73, 0x69, 0x49, N, 0x7D}, {"pad +", 78, 0x6B, 0x4E, N, 0x7C},
    {"pad 4", 75, 0x64, 0x4B, N, 0x6B}, {"pad 5", 76, 0x65, 0x4C, N, 0x73},
    {"pad 6", 77, 0x66, 0x4D, N, 0x74}, {"pad 1", 79, 0x61, 0x4F, N, 0x69},
    {"pad 2", 80, 0x62, 0x50, N, 0x72}, {"pad 3", 81, 0x63, 0x51, N, 0x7A},
    {"pad Enter", 96, 0x0D, 0x1C, E, 0x79}, {"pad 0", 82, 0x60, 0x52, N, 0x70},
    {"pad decimal", 83, 0x6E, 0x53, N, 0x71},
};

} // namespace

Q_DECLARE_METATYPE(WindowsKey)

class TestEvdevKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyboardIsComplete()
    {
        QCOMPARE(int(std::size(Keyboard105)), 105);
        std::set<uint32_t> codes;
        std::set<int> deviceCodes;
        for (const KeyRow &k : Keyboard105) {
            codes.insert(k.evdev);
            deviceCodes.insert(k.code);
        }
        QCOMPARE(int(codes.size()), 105);
        // Every key has a device code of its own.
        QCOMPARE(int(deviceCodes.size()), 105);
    }

    void everyKey_data()
    {
        QTest::addColumn<uint32_t>("evdev");
        QTest::addColumn<uint32_t>("vk");
        QTest::addColumn<uint32_t>("scan");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("code");
        for (const KeyRow &k : Keyboard105)
            QTest::newRow(k.name) << k.evdev << k.vk << k.scan << k.extended << k.code;
    }
    void everyKey()
    {
        QFETCH(uint32_t, evdev);
        QFETCH(uint32_t, vk);
        QFETCH(uint32_t, scan);
        QFETCH(bool, extended);
        QFETCH(int, code);
        const WindowsKey key = windowsKeyForEvdev(evdev, false, false);
        QCOMPARE(key.vkCode, vk);
        QCOMPARE(key.scanCode, scan);
        QCOMPARE(key.extended, extended);
        const uint32_t down = extended ? 0x01 : 0x00;
        QCOMPARE(int(translateKey(key.vkCode, key.scanCode, down)), code);
        QCOMPARE(int(translateKey(key.vkCode, key.scanCode, down | 0x80)), code);
    }

    // Keys whose keyboard sends another code while a modifier is held; keys
    // that do not, keep their identity.
    void modifiedKeys_data()
    {
        QTest::addColumn<uint32_t>("evdev");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<uint32_t>("vk");
        QTest::addColumn<uint32_t>("scan");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("code");
        QTest::newRow("Ctrl+Pause is Break") << 119u << true << false << 0x03u << 0x46u << true << 0x62;
        QTest::newRow("Alt+Pause") << 119u << false << true << 0x13u << 0x45u << false << 0x62;
        QTest::newRow("Ctrl+Scroll Lock") << 70u << true << false << 0x03u << 0x46u << false << 0x5F;
        QTest::newRow("Alt+Print is SysRq") << 99u << false << true << 0x2Cu << 0x54u << false << 0x57;
        QTest::newRow("Ctrl+Print") << 99u << true << false << 0x2Cu << 0x37u << true << 0x57;
        QTest::newRow("Ctrl+Home") << 102u << true << true << 0x24u << 0x47u << true << 0x6E;
        QTest::newRow("Ctrl+A") << 30u << true << false << 0x41u << 0x1Eu << false << 0x1C;
    }
    void modifiedKeys()
    {
        QFETCH(uint32_t, evdev);
        QFETCH(bool, ctrl);
        QFETCH(bool, alt);
        QFETCH(uint32_t, vk);
        QFETCH(uint32_t, scan);
        QFETCH(bool, extended);
        QFETCH(int, code);
        const WindowsKey key = windowsKeyForEvdev(evdev, ctrl, alt);
        QCOMPARE(key, (WindowsKey{vk, scan, extended}));
        QCOMPARE(int(translateKey(key.vkCode, key.scanCode, extended ? 0x01 : 0x00)), code);
    }

    // Keys outside the 105: the codes Windows has for them, and what they
    // record there (media keys whose scan code is a letter's record that
    // letter); unknown codes have no identity and so no device code.
    void otherKeys_data()
    {
        QTest::addColumn<uint32_t>("evdev");
        QTest::addColumn<WindowsKey>("windows");
        QTest::addColumn<QString>("name");
        const struct {
            const char *row;
            uint32_t evdev;
            WindowsKey windows;
            const char *name;
        } keys[] = {
            {"F13", 183, {0x7C, 0x64, N}, "ERROR"},        {"F24", 194, {0x87, 0x76, N}, "ERROR"},
            {"Mute", 113, {0xAD, 0x20, E}, "D"},           {"Volume down", 114, {0xAE, 0x2E, E}, "C"},
            {"Volume up", 115, {0xAF, 0x30, E}, "B"},      {"Next", 163, {0xB0, 0x19, E}, "P"},
            {"Play/Pause", 164, {0xB3, 0x22, E}, "G"},     {"Previous", 165, {0xB1, 0x10, E}, "Q"},
            {"Media stop", 166, {0xB2, 0x24, E}, "J"},     {"Calculator", 140, {0xB7, 0x21, E}, "F"},
            {"Browser home", 172, {0xAC, 0x32, E}, "M"},   {"Mail", 155, {0xB4, 0x6C, E}, "ERROR"},
            {"Back", 158, {0xA6, 0x6A, E}, "ERROR"},       {"Forward", 159, {0xA7, 0x69, E}, "ERROR"},
            {"Refresh", 173, {0xA8, 0x67, E}, "ERROR"},    {"Browser stop", 128, {0xA9, 0x68, E}, "ERROR"},
            {"Search", 217, {0xAA, 0x65, E}, "ERROR"},     {"Favorites", 156, {0xAB, 0x66, E}, "ERROR"},
            {"My computer", 157, {0xB6, 0x6B, E}, "ERROR"}, {"My computer (USB)", 144, {0xB6, 0x6B, E}, "ERROR"},
            {"Media select", 226, {0xB5, 0x6D, E}, "ERROR"}, {"Media select (USB)", 171, {0xB5, 0x6D, E}, "ERROR"},
            {"Sleep", 142, {0x5F, 0x5F, E}, "ERROR"},      {"no code (keycode 8)", 0, {}, "ERROR"},
            {"unused 84", 84, {}, "ERROR"},                {"beyond X keycodes", 248, {}, "ERROR"},
            {"far beyond", 0xFFFFFFFF, {}, "ERROR"},
        };
        for (const auto &k : keys)
            QTest::newRow(k.row) << k.evdev << k.windows << QString::fromLatin1(k.name);
    }
    void otherKeys()
    {
        QFETCH(uint32_t, evdev);
        QFETCH(WindowsKey, windows);
        QFETCH(QString, name);
        const WindowsKey key = windowsKeyForEvdev(evdev, false, false);
        QCOMPARE(key, windows);
        for (uint32_t flags : {0x00u, 0x80u}) {
            flags |= key.extended ? 0x01 : 0x00;
            QCOMPARE(keyNameIn(NameTable::English, translateKey(key.vkCode, key.scanCode, flags)), name);
        }
    }
};

QTEST_APPLESS_MAIN(TestEvdevKeys)
#include "test_evdevkeys.moc"
