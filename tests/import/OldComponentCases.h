#pragma once
// One old record of every component type at canvas (100, 50), with the class fields it must become
// under protocol 5 (old protocol code 3), and an old project holding them all. Field values are distinct
// so that a swapped offset shows.
#include <string>
#include <vector>

#include "import/OldFileBuilder.h"

namespace zl::test {

constexpr std::uint8_t kOldCodeOfProtocol5 = 3;

struct ComponentCase {
    std::string className;
    std::uint8_t typeCode;
    Bytes old;
    Bytes fields; // what follows the common part (type code, panel x 44, panel y 22)
};

inline Bytes oldStaticText(std::string_view text, std::int32_t x = 100, std::int32_t y = 50)
{
    Bytes r = oldComponent(1, 39, x, y);
    put8(r, 8, 1); // double
    put8(r, 9, 2); // reverse
    put8(r, 14, static_cast<std::uint32_t>(text.size()));
    std::copy(text.begin(), text.end(), r.begin() + 15);
    return r;
}

inline Bytes staticTextFields(std::string_view text)
{
    return Expect().u8(1).u8(2).text(text).zeros(50).v;
}

// A 10 × 12 one-bit bitmap as the project file stores it: header, colour table, 48 bytes of pixels.
inline Bytes smallBitmap()
{
    Bytes b(48 + 48);
    put32(b, 0, 40);
    put32(b, 4, 10);
    put32(b, 8, 12);
    put16(b, 12, 1);
    put16(b, 14, 1);
    put32(b, 20, 48);
    put32(b, 44, 0x00FFFFFF);
    for (std::size_t i = 48; i < b.size(); ++i)
        b[i] = static_cast<std::uint8_t>(i);
    return b;
}

// One expected field list per line reads better than one field per line.
// clang-format off
inline std::vector<ComponentCase> componentCases()
{
    std::vector<ComponentCase> cases;
    cases.push_back({"CChars", 1, oldStaticText("Hi"), staticTextFields("Hi")});

    Bytes reg = oldComponent(2, 51, 100, 50);
    put8(reg, 8, 0x11);         // double
    put8(reg, 9, 0x12);         // reverse
    put32(reg, 14, 0x0103);     // station: the low byte
    put32(reg, 18, 0x0202);     // register type: the low byte
    put32(reg, 22, 0x12345);    // address: the low 16 bits
    put32(reg, 26, 0x0102);     // word count
    put32(reg, 30, 0x0106);     // digits
    put32(reg, 34, 0x0104);     // decimals
    put8(reg, 38, 0x21);        // format
    put8(reg, 39, 1);           // unsigned
    put8(reg, 40, 0x22);        // set
    put8(reg, 41, 0x23);        // password
    put8(reg, 42, 0x24);        // limited
    put32(reg, 43, 0xFFFFFFFF); // max: the largest unsigned value stays
    put32(reg, 47, 7);          // min
    cases.push_back({"CRegister", 2, reg,
                     Expect().u8(0x11).u8(0x12).u8(3).u8(2).u16(0x2345).u8(2).u8(6).u8(4).u8(0x22).u8(0x24)
                         .i32(0xFFFFFFFF).i32(7).i32(1).i32(0).u8(0x23).u8(0x21).u8(0).u8(0).zeros(100).v});

    Bytes led = oldComponent(3, 31, 100, 50);
    put8(led, 8, 0x31);    // double
    put8(led, 14, 0x32);   // shape
    put8(led, 18, 0x33);   // station
    put8(led, 22, 0x34);   // register type
    put32(led, 26, 0x123); // bit 3 of word 0x12
    put8(led, 30, 0);      // logic, inverted
    cases.push_back({"CLight", 3, led,
                     Expect().u8(0x31).u8(1).u8(3).u8(0x32).u8(0x33).u8(0x34).u16(0x12).u8(0).zeros(50).v});

    Bytes key = oldComponent(4, 41, 100, 50);
    put8(key, 8, 0x41);  // double
    put8(key, 9, 0x42);  // reverse
    put8(key, 14, 8);    // old key 8 is key 19
    put8(key, 18, 0x43); // invisible
    put8(key, 19, 0x44); // hand
    put8(key, 20, 0x45); // password
    put8(key, 21, 0x46); // action
    put8(key, 22, 0x47); // station
    put8(key, 26, 0x48); // register type
    put32(key, 30, 35);  // bit 3 of word 2
    put8(key, 34, 0x49); // coil action
    put8(key, 35, 0x4A); // jump target
    put16(key, 36, 300); // window number
    cases.push_back({"CFunction", 4, key,
                     Expect().u8(0x41).u8(0x42).u8(3).u8(19).u8(0x47).u8(0x48).u16(2).u8(0x44).u8(0x43)
                         .u8(0x45).u8(0x46).u8(0x49).u8(0x4A).u16(300).i32(0).zeros(100).v});

    Bytes bar = oldComponent(6, 52, 100, 50);
    put8(bar, 14, 0x61);        // station
    put8(bar, 18, 0x62);        // register type
    put32(bar, 22, 500);        // address
    put8(bar, 26, 0x63);        // word count
    put8(bar, 30, 0x64);        // format
    put8(bar, 31, 0);           // signed
    put8(bar, 32, 36);          // width on the canvas
    put8(bar, 36, 108);         // height on the canvas
    put32(bar, 40, 0xFFFFFFF6); // min -10
    put32(bar, 44, 0xFFFFFFEC); // max -20: raised to -9
    put8(bar, 48, 2);           // old LEFT is RIGHT
    cases.push_back({"CBar", 6, bar,
                     Expect().u8(16).u8(48).u8(0x64).u8(1).i32(-9).i32(-10).u8(0x61).u8(0x62).u16(500)
                         .u8(0x63).u8(3).zeros(100).v});

    Bytes tide = oldComponent(5, 56, 100, 50);
    put8(tide, 14, 0x51);     // station
    put8(tide, 18, 0x52);     // register type
    put32(tide, 22, 0x12345); // address
    put8(tide, 26, 0x53);     // word count
    put8(tide, 30, 0x54);     // format
    put8(tide, 31, 1);        // unsigned
    put8(tide, 32, 216);      // width on the canvas
    put8(tide, 36, 108);      // height on the canvas
    put32(tide, 40, 0);       // min
    put32(tide, 44, 1000);    // max
    put8(tide, 48, 20);       // sample dots
    put32(tide, 52, 0x10005); // sample interval: the low 16 bits
    cases.push_back({"CTide", 7, tide,
                     Expect().u8(96).u8(48).u8(0x54).u8(0).i32(1000).i32(0).u8(0x51).u8(0x52).u16(0x2345)
                         .u8(0x53).u16(5).u8(20).zeros(100).v});

    const Bytes bitmap = smallBitmap();
    Bytes pic = oldComponent(7, 40, 100, 50);
    pic.insert(pic.end(), bitmap.begin(), bitmap.end());
    put32(pic, 22, static_cast<std::uint32_t>(pic.size() - 26));
    cases.push_back({"CUpLoadPic", 5, pic, Expect().add(bitmap).zeros(20).v});

    Bytes dyn = oldComponent(8, 35 + 2 * 25, 100, 50);
    put8(dyn, 8, 0x81);  // double
    put8(dyn, 9, 0x82);  // reverse
    put8(dyn, 14, 0x83); // station
    put8(dyn, 18, 0x84); // register type
    put32(dyn, 22, 77);  // address
    put8(dyn, 26, 0x85); // format
    put8(dyn, 27, 2);    // entries
    put8(dyn, 31, 3);
    std::copy_n("Off", 3, dyn.begin() + 32);
    put8(dyn, 56, 2);
    std::copy_n("On", 2, dyn.begin() + 57);
    Expect dynFields;
    dynFields.u8(0x81).u8(0x82).u8(0x83).u8(0x84).u16(77).u8(1).u8(0x85);
    dynFields.u16(32).text("Off").text("On").zeros(30);
    dynFields.u16(32).i32(1).i32(2).zeros(30 * 4);
    dynFields.u16(32).text("1").text("2").zeros(30);
    cases.push_back({"CDynamic", 8, dyn, dynFields.zeros(100).v});
    return cases;
}
// clang-format on

// An old project with every header field set and every component type, in two windows, with alarms.
inline OldProject sampleOldProject()
{
    OldProject p;
    Bytes& h = p.header;
    put8(h, 13, kOldCodeOfProtocol5);
    put8(h, 17, 7);      // PLC station
    put16(h, 21, 3);     // initial window
    put16(h, 25, 1234);  // password
    put8(h, 33, 9);      // alarm station
    put32(h, 41, 0x123); // alarm coil: bit 3 of word 0x12
    put8(h, 45, 4);      // baud code
    put8(h, 46, 2);      // parity
    put8(h, 47, 0);      // data-bit flag
    put8(h, 48, 1);      // stop-bit flag
    put8(h, 49, 0x21);   // status
    put8(h, 50, 4);      // control block station
    put16(h, 58, 300);   // control register
    put8(h, 67, 6);      // screen-saver delay
    put8(h, 71, 0);      // screen-saver flag
    put16(h, 72, 9);     // screen-saver window
    std::vector<Bytes> components;
    for (const ComponentCase& c : componentCases())
        components.push_back(c.old);
    p.windows.push_back({5, "Main", 6, 7, components});
    p.windows.push_back({6, "", 0, 0, {oldStaticText("B")}});
    p.alarms = {"Overheat", "", "Pump"};
    return p;
}

} // namespace zl::test
