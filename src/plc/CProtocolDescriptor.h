#pragma once
// One descriptor per PLC protocol: every value that differs between the 34 protocols, in one table row per
// protocol plus a row for any other number. Code that behaves differently per protocol asks the row;
// only what is an algorithm of one protocol still tests the number, and says why where it does.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zl
{

constexpr unsigned kProtocolCount = 34;

using CNames = std::vector<std::string>;

// Visibility of property-page fields (5 shown, 0 hidden) and two enable flags of the panel configuration.
struct CShowFlags {
    std::uint8_t bitNumber = 5;
    std::uint8_t subAddress = 0;
    std::uint8_t wordCount = 5;
    std::uint8_t parameter = 0;
    std::uint8_t offset = 0;
    std::uint8_t coilActions = 5;
    int statusFlagsEnabled = 1;
    int controlBlockEnabled = 1;
};

// The register areas a protocol offers and the limits of an operand.
struct COperandSet {
    CNames wordList;     // word (register) areas
    CNames bitList;      // bit areas a function key writes
    CNames thirdList;    // bit areas an LED reads
    CNames alarmBitList; // bit areas offered for alarm coils
    std::uint8_t stationMin = 0;
    std::uint8_t stationMax = 0;
    std::uint16_t registerMax = 0;
    std::uint16_t coilMax = 0;
    std::uint8_t bitMax = 0;
    std::uint8_t wordCountMax = 2;
};

// Line settings as the user sees them; `iface` 232 or 485, or kKeepInterface to leave it as it is.
struct CLineDefaults {
    static constexpr int kKeepInterface = -1;
    enum Parity : std::uint8_t { kNone = 0, kOdd = 1, kEven = 2 };
    int baud = 9600;
    int dataBits = 8;
    int stopBits = 1;
    Parity parity = kNone;
    int iface = 232;
};

// A register type whose operand the property pages fix: the word count they force (0: free), whether the
// register page disables (and clears) "Set", and whether only the register page forces the word count
// (the bar graph and trend line pages leave it free).
struct CTypeLock {
    const char* typeName;
    std::uint8_t wordCount = 0;
    bool setLocked = false;
    bool registerPageOnly = false;
    bool noValueRange = false; // the bar and trend line page offers no High/Low range for the type
};

// How the alarm list's coil header (bytes 4 … 9) encodes the list's operand for the protocol's driver.
struct CAlarmCoil {
    // Byte 4, the type value: from the third list, the same plus 2, from the bit list, from the next word
    // area, listed per register type (`listedTypes`: type 0 the first, any other the second), or by the
    // letter of the bit-list name (`letterTypes`, 0 for a name not there).
    enum TypeRule : std::uint8_t { kThirdList, kThirdListPlus2, kBitList, kNextWordArea, kListed, kLetters };
    // A bit field (bytes 8 and 9): the sub-address, the address's low bits (`value` the mask), 0, the
    // list's offset, or the sub-address plus `value` for an odd word address.
    enum Field : std::uint8_t { kSubAddress, kAddressBits, kZero, kOffset, kSubAddressOddWord };
    static constexpr std::uint8_t kLengthOfType = 0xFF; // byte 7: the bytes per unit of the type value

    TypeRule typeRule = kThirdList;
    std::uint8_t listedTypes[2] = {0, 0};
    std::vector<std::pair<std::string, std::uint8_t>> letterTypes{};
    // Bytes 5 and 6: the address shifted right by `addressShift`, the bits above 8 + shift in byte 5.
    std::uint8_t addressShift = 0;
    bool countsFromOne = false; // the driver numbers addresses from 1: address − 1 is encoded
    std::uint8_t lengthCode = kLengthOfType;
    Field fieldA = kSubAddress;
    std::uint8_t valueA = 0;
    Field fieldB = kOffset;
    std::uint8_t valueB = 0;
};

struct CProtocolDescriptor {
    enum BaudSet : std::uint8_t { kAllBauds, kSiemensBauds, kSlowBauds };
    // How the alarm list editor names the coil of each text in the notation of the PLC's manuals, A being
    // the address, b the bit counted on from the sub-address, k the text's index. Where the protocol shows
    // a bit number: A.b (:A/b for file addresses), A.b over byte addresses, A followed by the hexadecimal
    // digit b, or A + k; where it does not: A + k, after a slash where `kSlashCounted`, octal where
    // addresses are octal.
    enum CoilNotation : std::uint8_t { kDotted, kByteDotted, kHexDigit, kCounted, kSlashCounted };

    unsigned number = 0; // 0 in the row of any other number
    const char* name = "";
    const char* chineseName = "";
    // Operand lists and limits; nullptr where the number has none (the limits in force are kept).
    const COperandSet* operands = nullptr;
    bool stationIsPlcStation = false; // the operand station range is the PLC station number itself
    bool hexEntry = false;            // addresses are typed in hexadecimal
    bool octal = false;               // addresses are octal
    CNames octalTypes{};              // register types whose addresses are octal although the others' are not
    bool addressesFromOne = false;    // the pages and the alarm list take operand addresses from 1
    bool fileAddresses = false;       // addresses are written type:address, a bit as type:address/bit
    std::uint8_t baudOffset = 0;
    std::uint8_t registerStep = 1; // distance between the panel's control-block registers
    CShowFlags show{};
    BaudSet bauds = kAllBauds;

    // Line settings that choosing the protocol sets: at start-up and in the PLC selection dialog; the delay
    // and PLC station a choice also sets, and the control block station start-up also sets, where they do.
    CLineDefaults startupLine{};
    CLineDefaults dialogLine{};
    std::optional<std::uint16_t> delay{};
    std::optional<std::uint8_t> plcStation{};
    std::optional<std::uint8_t> startupControlStation{};
    // The PLC selection dialog: whether it shows station and delay, and the range a typed station takes.
    bool stationShown = false;
    bool delayShown = false;
    std::uint8_t plcStationMin = 0;
    std::uint8_t plcStationMax = 255;

    // Defaults of new projects and components.
    std::uint8_t operandStation = 1;
    std::uint16_t operandAddress = 0;
    std::uint16_t registerAddress = 0;
    std::uint8_t controlStation = 1;
    bool controlTypeFixed = false; // the control block always uses register type 0
    // Function keys set no coils: a key jumps instead (a new one too), and neither "Set Coil" nor the
    // time/date screen is offered.
    bool functionKeyJumps = false;
    std::uint8_t alarmStation = 1; // station of the alarm list a project is created with
    std::uint16_t alarmAddress = 0;

    // The panel settings dialog's control block: addresses from 1, a register area the user cannot choose,
    // a station the user cannot change.
    bool controlAddressFromOne = false;
    bool controlAreaFixed = false;
    bool controlStationFixed = false;

    // The alarm list editor: whether the protocol has an alarm list at all; whether the initial coil's
    // sub-address names a bit inside a word (else it stays 0) and whether it is hidden although bit
    // numbers are shown; the one alarm area (where set) whose coils are bits of words: the sub-address
    // shows for it only, and the coils of the other areas are counted on one by one.
    bool alarmListOffered = true;
    bool alarmBitInWord = false;
    bool alarmSubAddressHidden = false;
    const char* alarmWordBitType = "";
    CoilNotation coilNotation = kDotted;

    // Operands in records.
    bool namedVariables = false;      // operands name variables of the named-variable dictionary
    bool bitsInWords = false;         // a bit operand's address counts bits: sub-address + 16 × address
    bool coilTypeFromBitList = false; // a function key's coil takes its type from the bit list
    std::uint8_t counterAreaType = 0; // type value of the double-word counter area (values 200 … 255), or 0
    bool fullWordLimits = false;      // register limits range over 0 … 65535 whatever the type
    // The panel polls the PLC as a Modbus master: "0x" coils, "1x" discrete inputs, "3x" input
    // registers, "4x" holding registers.
    bool modbusMaster = false;

    // Register types whose word count or "Set" the property pages lock; with `otherTypesWordCount`, every
    // word type not named there is forced to that word count on every page.
    std::vector<CTypeLock> typeLocks{};
    std::uint8_t otherTypesWordCount = 0;

    CAlarmCoil alarmCoil{};
    std::optional<CAlarmCoil> alarmCoilOfType1{}; // register type 1 of the alarm list, where it differs

    // Old (.olz) files: the protocol codes that became this protocol, and whether those files numbered
    // bits inside 16-bit words.
    std::vector<std::uint8_t> oldCodes{};
    bool oldBitsInWords = false;

    const CNames& baudRates() const;
    // The lock of `typeName` (a word-list name) or nullopt when the page leaves it free.
    std::optional<CTypeLock> typeLock(const std::string& typeName) const;
    // Whether addresses of the register type `typeName` are entered in octal; an empty name asks about
    // the protocol's addresses as a whole.
    bool octalAddress(std::string_view typeName) const;
};

// The row of `protocol`, or the row of any other number.
const CProtocolDescriptor& protocolDescriptor(unsigned protocol);

} // namespace zl
