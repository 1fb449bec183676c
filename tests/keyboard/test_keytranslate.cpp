// The translation of Windows key data into device key codes.
#include "keyboard/keytranslate.h"

#include <QtTest>

namespace {

const uint32_t NormalFlags[] = {0x00, 0x10, 0x20, 0x80, 0x90, 0xA0};
const uint32_t ExtendedFlags[] = {0x01, 0x11, 0x21, 0x81, 0x91, 0xA1};
// Values outside both sets: injected with Alt down, the lower-integrity bit,
// unknown bits.
const uint32_t OtherFlags[] = {0x30, 0x31, 0x02, 0x03, 0x12, 0x40, 0x41, 0xB0, 0xFF};

// A virtual-key code without a rule of its own, so that the scan code decides.
constexpr uint32_t VkWithoutRule = 0x41; // 'A'

} // namespace

class TestKeyTranslate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Keys that the virtual-key code alone decides, whatever the flags and scan code.
    void virtualKeyRules_data()
    {
        QTest::addColumn<uint32_t>("vk");
        QTest::addColumn<int>("code");
        const struct {
            const char *name;
            uint32_t vk;
            int code;
        } rows[] = {
            {"Backspace", 0x08, 0x66}, {"Tab", 0x09, 0x0D}, {"Alt", 0x12, 0x19},
            {"Caps Lock", 0x14, 0x14}, {"Escape", 0x1B, 0x08}, {"Space", 0x20, 0x29},
            {"Print", 0x2C, 0x57}, {"left Windows", 0x5B, 0x8B}, {"right Windows", 0x5C, 0x8C},
            {"Menu", 0x5D, 0x8D}, {"pad *", 0x6A, 0x7E}, {"pad +", 0x6B, 0x7C},
            {"pad -", 0x6D, 0x84}, {"pad /", 0x6F, 0x77}, {"F1", 0x70, 0x07},
            {"F2", 0x71, 0x0F}, {"F3", 0x72, 0x17}, {"F4", 0x73, 0x1F}, {"F5", 0x74, 0x27},
            {"F6", 0x75, 0x2F}, {"F7", 0x76, 0x37}, {"F8", 0x77, 0x3F}, {"F9", 0x78, 0x47},
            {"F10", 0x79, 0x4F}, {"F11", 0x7A, 0x56}, {"F12", 0x7B, 0x5E},
            {"Num Lock", 0x90, 0x76}, {"Scroll Lock", 0x91, 0x5F}, {"left Shift", 0xA0, 0x12},
            {"right Shift", 0xA1, 0x59}, {"left Ctrl", 0xA2, 0x11}, {"right Ctrl", 0xA3, 0x58},
            {"left Alt", 0xA4, 0x19}, {"AltGr", 0xA5, 0x39},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << r.vk << r.code;
    }
    void virtualKeyRules()
    {
        QFETCH(uint32_t, vk);
        QFETCH(int, code);
        QList<uint32_t> flags;
        for (uint32_t f : NormalFlags)
            flags << f;
        for (uint32_t f : ExtendedFlags)
            flags << f;
        for (uint32_t f : OtherFlags)
            flags << f;
        // The scan codes are ones the scan table would translate otherwise.
        for (uint32_t f : flags)
            for (uint32_t scan : {0x00u, 0x1Eu, 0x47u, 0x100u})
                QCOMPARE(int(translateKey(vk, scan, f)), code);
    }

    // Keys that the virtual-key code decides together with the extended bit.
    void flagDependentVirtualKeys_data()
    {
        QTest::addColumn<uint32_t>("vk");
        QTest::addColumn<int>("normal");
        QTest::addColumn<int>("extended");
        QTest::newRow("Enter / pad Enter") << 0x0Du << 0x5A << 0x79;
        QTest::newRow("Pause") << 0x13u << 0x62 << 0x76;
    }
    void flagDependentVirtualKeys()
    {
        QFETCH(uint32_t, vk);
        QFETCH(int, normal);
        QFETCH(int, extended);
        for (uint32_t f : NormalFlags)
            QCOMPARE(int(translateKey(vk, 0x1C, f)), normal);
        for (uint32_t f : ExtendedFlags)
            QCOMPARE(int(translateKey(vk, 0x1C, f)), extended);
        for (uint32_t f : OtherFlags)
            QCOMPARE(int(translateKey(vk, 0x1C, f)), 0);
    }

    // Ctrl+Break and Ctrl+Scroll Lock know only four flag values.
    void cancelKey_data()
    {
        QTest::addColumn<uint32_t>("flags");
        QTest::addColumn<int>("code");
        QTest::newRow("Ctrl+Scroll Lock down") << 0x00u << 0x5F;
        QTest::newRow("Ctrl+Scroll Lock up") << 0x80u << 0x5F;
        QTest::newRow("Ctrl+Break down") << 0x01u << 0x62;
        QTest::newRow("Ctrl+Break up") << 0x81u << 0x62;
        for (uint32_t f : {0x10u, 0x20u, 0x90u, 0xA0u, 0x11u, 0x21u, 0x91u, 0xA1u, 0x30u, 0x02u})
            QTest::addRow("flags 0x%02x", f) << f << 0;
    }
    void cancelKey()
    {
        QFETCH(uint32_t, flags);
        QFETCH(int, code);
        QCOMPARE(int(translateKey(0x03, 0x46, flags)), code);
    }

    // Every scan code up to 0x56 and a few beyond, for keys without a
    // virtual-key rule; these rows ignore the flags, the extended bit included.
    void plainScanCodes_data()
    {
        QTest::addColumn<uint32_t>("scan");
        QTest::addColumn<int>("code");
        QHash<uint32_t, int> expected;
        const int digitRow[] = {0x16, 0x1E, 0x26, 0x25, 0x2E, 0x36,
                                0x3D, 0x3E, 0x46, 0x45, 0x4E, 0x55};
        const int qRow[] = {0x15, 0x1D, 0x24, 0x2D, 0x2C, 0x35, 0x3C, 0x43, 0x44, 0x4D, 0x54, 0x5B};
        const int aRow[] = {0x1C, 0x1B, 0x23, 0x2B, 0x34, 0x33, 0x3B, 0x42, 0x4B, 0x4C, 0x52, 0x0E};
        const int zRow[] = {0x1A, 0x22, 0x21, 0x2A, 0x32, 0x31, 0x3A, 0x41, 0x49, 0x4A};
        for (uint32_t i = 0; i < 12; ++i) {
            expected[0x02 + i] = digitRow[i];
            expected[0x10 + i] = qRow[i];
            expected[0x1E + i] = aRow[i];
        }
        for (uint32_t i = 0; i < 10; ++i)
            expected[0x2C + i] = zRow[i];
        expected[0x2B] = 0x53;
        expected[0x4C] = 0x73;
        expected[0x56] = 0x13;
        for (uint32_t scan = 0; scan <= 0x60; ++scan) {
            if (scan >= 0x47 && scan <= 0x53 && scan != 0x4C && scan != 0x4A && scan != 0x4E)
                continue; // the shared rows, below
            QTest::addRow("scan 0x%02x", scan) << scan << expected.value(scan, 0);
        }
        QTest::newRow("scan 0x11E") << 0x11Eu << 0; // A's code with a high bit
        QTest::newRow("scan 0x21D") << 0x21Du << 0;
    }
    void plainScanCodes()
    {
        QFETCH(uint32_t, scan);
        QFETCH(int, code);
        for (uint32_t f : {0x00u, 0x01u, 0x80u, 0x81u, 0x30u, 0x02u, 0xFFu})
            QCOMPARE(int(translateKey(VkWithoutRule, scan, f)), code);
    }

    // The numeric pad (normal) and the navigation block (extended) share scan codes.
    void sharedScanCodes_data()
    {
        QTest::addColumn<uint32_t>("scan");
        QTest::addColumn<int>("normal");
        QTest::addColumn<int>("extended");
        QTest::newRow("pad 7 / Home") << 0x47u << 0x6C << 0x6E;
        QTest::newRow("pad 8 / Up") << 0x48u << 0x75 << 0x63;
        QTest::newRow("pad 9 / Page Up") << 0x49u << 0x7D << 0x6F;
        QTest::newRow("pad 4 / Left") << 0x4Bu << 0x6B << 0x61;
        QTest::newRow("pad 6 / Right") << 0x4Du << 0x74 << 0x6A;
        QTest::newRow("pad 1 / End") << 0x4Fu << 0x69 << 0x65;
        QTest::newRow("pad 2 / Down") << 0x50u << 0x72 << 0x60;
        QTest::newRow("pad 3 / Page Down") << 0x51u << 0x7A << 0x6D;
        QTest::newRow("pad 0 / Insert") << 0x52u << 0x70 << 0x67;
        QTest::newRow("pad , / Delete") << 0x53u << 0x71 << 0x64;
    }
    void sharedScanCodes()
    {
        QFETCH(uint32_t, scan);
        QFETCH(int, normal);
        QFETCH(int, extended);
        // The virtual-key codes of both blocks have no rule of their own.
        for (uint32_t vk : {0x00u, 0x24u, 0x67u})
        {
            for (uint32_t f : NormalFlags)
                QCOMPARE(int(translateKey(vk, scan, f)), normal);
            for (uint32_t f : ExtendedFlags)
                QCOMPARE(int(translateKey(vk, scan, f)), extended);
            for (uint32_t f : OtherFlags)
                QCOMPARE(int(translateKey(vk, scan, f)), 0);
        }
    }

    // The cases that show why the rules are ordered as they are.
    void examples_data()
    {
        QTest::addColumn<uint32_t>("vk");
        QTest::addColumn<uint32_t>("scan");
        QTest::addColumn<uint32_t>("flags");
        QTest::addColumn<int>("code");
        QTest::newRow("A down") << 0x41u << 0x1Eu << 0x00u << 0x1C;
        QTest::newRow("A up with Alt") << 0x41u << 0x1Eu << 0xA0u << 0x1C;
        QTest::newRow("Q") << 0x51u << 0x10u << 0x00u << 0x15;
        QTest::newRow("pad Enter") << 0x0Du << 0x1Cu << 0x01u << 0x79;
        QTest::newRow("main Enter") << 0x0Du << 0x1Cu << 0x00u << 0x5A;
        QTest::newRow("Home") << 0x24u << 0x47u << 0x01u << 0x6E;
        QTest::newRow("pad 7, Num Lock off") << 0x24u << 0x47u << 0x00u << 0x6C;
        QTest::newRow("pad 7, Num Lock on") << 0x67u << 0x47u << 0x00u << 0x6C;
        QTest::newRow("pad 5, Num Lock off") << 0x0Cu << 0x4Cu << 0x01u << 0x73;
        QTest::newRow("F13") << 0x7Cu << 0x64u << 0x00u << 0;
        QTest::newRow("F24") << 0x87u << 0x76u << 0x00u << 0;
        QTest::newRow("Alt+Print (SysRq)") << 0x2Cu << 0x54u << 0x20u << 0x57;
        QTest::newRow("Num Lock shares Pause's scan code") << 0x90u << 0x45u << 0x01u << 0x76;
        QTest::newRow("Pause") << 0x13u << 0x45u << 0x00u << 0x62;
        QTest::newRow("AltGr companion") << 0xA2u << 0x21Du << 0x00u << 0x11;
        QTest::newRow("pad - by scan code alone") << 0x00u << 0x4Au << 0x00u << 0;
        QTest::newRow("nothing") << 0x00u << 0x00u << 0x00u << 0;
    }
    void examples()
    {
        QFETCH(uint32_t, vk);
        QFETCH(uint32_t, scan);
        QFETCH(uint32_t, flags);
        QFETCH(int, code);
        QCOMPARE(int(translateKey(vk, scan, flags)), code);
    }
};

QTEST_APPLESS_MAIN(TestKeyTranslate)
#include "test_keytranslate.moc"
