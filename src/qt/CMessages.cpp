#include "qt/CMessages.h"

#include <QRegularExpression>

#include <functional>
#include <optional>
#include <vector>

#include "base/ComponentKind.h"
#include "base/Gbk.h"
#include "operands/COperandIndex.h"
#include "qt/CLanguage.h"

namespace zl
{
namespace
{

constexpr const char* kContext = "Message";
constexpr const char* kKindContext = "ComponentKind";

// The kinds' names as the core's table (componentKindName) gives them, marked for translation.
[[maybe_unused]] constexpr const char* kKindNames[] = {
    QT_TRANSLATE_NOOP("ComponentKind", "Text"),       QT_TRANSLATE_NOOP("ComponentKind", "Register"),
    QT_TRANSLATE_NOOP("ComponentKind", "LED"),        QT_TRANSLATE_NOOP("ComponentKind", "Function Key"),
    QT_TRANSLATE_NOOP("ComponentKind", "Picture"),    QT_TRANSLATE_NOOP("ComponentKind", "Bar Graph"),
    QT_TRANSLATE_NOOP("ComponentKind", "Trend Line"), QT_TRANSLATE_NOOP("ComponentKind", "Dynamic Text"),
    QT_TRANSLATE_NOOP("ComponentKind", "Component")};

// Messages built from parts, with %1 … %9 where the parts go. A part matches any text, as little of it as
// the rest of the template lets it, so that a template should begin or end with words rather than with a
// part where it can, and the particular templates stand before the general ones: the first template that
// matches the whole text is taken. Two parts apart by a space alone ("the %1 %2 at") are a name and a
// number: the first takes all words but the last ("Function Key 3").
constexpr const char* kTemplates[] = {
    // file reading and writing
    QT_TRANSLATE_NOOP("Message", "Open file%1 error! (%2)"),
    QT_TRANSLATE_NOOP("Message", "too large: %1 bytes, more than the %2 bytes an input can have"),
    QT_TRANSLATE_NOOP("Message", "cannot write the standard output: %1"),
    QT_TRANSLATE_NOOP("Message", "%1 (at byte %2)"),
    // what the files' places answer: a replaced file put back only in part, a folder's rules
    QT_TRANSLATE_NOOP("Message", "%1; the previous %2 is kept as %3"),
    QT_TRANSLATE_NOOP("Message", "in this folder only the file's owner may replace it"),
    QT_TRANSLATE_NOOP("Message", "the file is read-only"),
    // the command line's arguments
    QT_TRANSLATE_NOOP("Message", "%1 needs a value"),
    QT_TRANSLATE_NOOP("Message", "--%1 takes a number from %2 to %3, not \"%4\""),
    QT_TRANSLATE_NOOP("Message", "unknown option %1"),
    QT_TRANSLATE_NOOP("Message", "unknown command %1"),
    // the editor's window commands
    QT_TRANSLATE_NOOP("Message", "Do you want to delete the No. %1 window?"),
    QT_TRANSLATE_NOOP("Message", "No.%1 window exist"),
    QT_TRANSLATE_NOOP("Message", "No. %1 window exist, do you want to replace it?"),
    QT_TRANSLATE_NOOP("Message", "The window exist"),
    // a damaged project file: what is wrong (where it is wrong: below)
    QT_TRANSLATE_NOOP("Message", "unexpected end of file"),
    QT_TRANSLATE_NOOP("Message", "count of %1 is larger than the rest of the file can hold"),
    QT_TRANSLATE_NOOP("Message", "class name longer than 63 characters"),
    QT_TRANSLATE_NOOP("Message", "unknown class \"%1\""),
    QT_TRANSLATE_NOOP("Message", "class \"%1\" has schema %2, expected 1"),
    QT_TRANSLATE_NOOP("Message", "reference to object %1, which the file does not own once"),
    QT_TRANSLATE_NOOP("Message", "reference to class index %1, which names no class"),
    QT_TRANSLATE_NOOP("Message", "object of class \"%1\" where it does not belong"),
    QT_TRANSLATE_NOOP("Message", "no window"),
    QT_TRANSLATE_NOOP("Message", "no component"),
    QT_TRANSLATE_NOOP("Message", "bytes after the window"),
    QT_TRANSLATE_NOOP("Message", "bytes after the component"),
    QT_TRANSLATE_NOOP("Message", "bytes after the settings"),
    QT_TRANSLATE_NOOP("Message", "another kind of component (component)"),
    // a project's JSON text: the parser's findings by line and column, the reader's by member path
    QT_TRANSLATE_NOOP("Message", "JSON line %1, column %2: %3"),
    QT_TRANSLATE_NOOP("Message", "text after the value"),
    QT_TRANSLATE_NOOP("Message", "unexpected character"),
    QT_TRANSLATE_NOOP("Message", "more than %1 values"),
    QT_TRANSLATE_NOOP("Message", "the text ends where a value should be"),
    QT_TRANSLATE_NOOP("Message", "nested more than %1 deep"),
    QT_TRANSLATE_NOOP("Message", "a member name in quotes expected"),
    QT_TRANSLATE_NOOP("Message", "the member \"%1\" appears twice"),
    QT_TRANSLATE_NOOP("Message", "':' expected"),
    QT_TRANSLATE_NOOP("Message", "',' or '}' expected"),
    QT_TRANSLATE_NOOP("Message", "',' or ']' expected"),
    QT_TRANSLATE_NOOP("Message", "a number may not start with 0"),
    QT_TRANSLATE_NOOP("Message", "the number does not fit 64 bits"),
    QT_TRANSLATE_NOOP("Message", "only whole numbers are read"),
    QT_TRANSLATE_NOOP("Message", "four hexadecimal digits expected after \\u"),
    QT_TRANSLATE_NOOP("Message", "the text ends inside a string"),
    QT_TRANSLATE_NOOP("Message", "a lone low surrogate"),
    QT_TRANSLATE_NOOP("Message", "a high surrogate without its low one"),
    QT_TRANSLATE_NOOP("Message", "unknown escape"),
    QT_TRANSLATE_NOOP("Message", "a control character inside a string"),
    QT_TRANSLATE_NOOP("Message", "expected %1, found %2"),
    QT_TRANSLATE_NOOP("Message", "true or false"),
    QT_TRANSLATE_NOOP("Message", "a number"),
    QT_TRANSLATE_NOOP("Message", "a string"),
    QT_TRANSLATE_NOOP("Message", "an object"),
    QT_TRANSLATE_NOOP("Message", "an array"),
    QT_TRANSLATE_NOOP("Message", "unknown member"),
    QT_TRANSLATE_NOOP("Message", "missing"),
    QT_TRANSLATE_NOOP("Message", "an odd number of hexadecimal digits"),
    QT_TRANSLATE_NOOP("Message", "\"%1\" is no hexadecimal digit"),
    QT_TRANSLATE_NOOP("Message", "a character has no GBK code"),
    QT_TRANSLATE_NOOP("Message", "%1 bytes where %2 belong"),
    QT_TRANSLATE_NOOP("Message", "\"%1\" is no component class"),
    QT_TRANSLATE_NOOP("Message", "the value %1 is out of range %2…%3"),
    // pictures
    QT_TRANSLATE_NOOP("Message", "picture size error!!!(Max Pixel Sope:192 X 64)"),
    QT_TRANSLATE_NOOP("Message", "picture of %1 x %2 pixels does not fit the panel"),
    QT_TRANSLATE_NOOP("Message", "picture data of %1 bytes is too short for its size"),
    QT_TRANSLATE_NOOP("Message", "picture data of %1 bytes is longer than the rest of the file"),
    QT_TRANSLATE_NOOP("Message", "Register error!"),
    // an old project (.olz) that does not convert: what is wrong with which record
    QT_TRANSLATE_NOOP("Message", "the file ends inside %1"),
    QT_TRANSLATE_NOOP("Message", "a field of %1 runs past the end of its record"),
    QT_TRANSLATE_NOOP("Message", "the picture of %1 does not hold a complete bitmap"),
    QT_TRANSLATE_NOOP("Message", "the picture of %1 is larger than the panel"),
    QT_TRANSLATE_NOOP("Message", "%1 has the unknown type %2"),
    QT_TRANSLATE_NOOP("Message", "component %1 of window record %2"),
    QT_TRANSLATE_NOOP("Message", "window record %1"),
    QT_TRANSLATE_NOOP("Message", "alarm record %1"),
    QT_TRANSLATE_NOOP("Message", "the project header"),
    QT_TRANSLATE_NOOP("Message", "Open the file error! %1"),
    // a download image that does not decode: what is wrong with which table or record (before the
    // compile's "The alarm list %1.", which would take "The alarm list at …" too)
    QT_TRANSLATE_NOOP("Message", "%1 at %2 (%3 bytes) lies outside the image of %4 bytes."),
    QT_TRANSLATE_NOOP("Message",
                      "The image's tables decode to more than %1 windows, components, characters and "
                      "entries, more than a 32768-byte image holds: they point at each other over and over."),
    QT_TRANSLATE_NOOP("Message", "The image is %1 bytes long, shorter than its 48-byte header."),
    QT_TRANSLATE_NOOP("Message", "The image is %1 bytes long; the panel holds at most 32768."),
    QT_TRANSLATE_NOOP("Message", "Not a download image: it does not begin with the bytes FF FF."),
    QT_TRANSLATE_NOOP("Message", "The header's glyph area %1, single-byte glyphs %2 and window table %3 are "
                                 "not in their order after the header."),
    QT_TRANSLATE_NOOP("Message", "The single-byte glyphs at %1 do not follow whole 32-byte glyphs from %2."),
    QT_TRANSLATE_NOOP("Message", "%1: unknown component type %2."),
    QT_TRANSLATE_NOOP("Message", "%1: its text ends in half a double-byte code."),
    QT_TRANSLATE_NOOP("Message", "%1: its text names 16 x 16 glyph %2, but the image has %3."),
    QT_TRANSLATE_NOOP("Message", "%1: its text names 8 x 16 glyph %2, which lies past the glyph tables."),
    QT_TRANSLATE_NOOP("Message", "%1: names 16 x 16 glyph %2, but the image has %3."),
    QT_TRANSLATE_NOOP("Message", "The window table"),
    QT_TRANSLATE_NOOP("Message", "The window table of %1 windows"),
    QT_TRANSLATE_NOOP("Message", "Window %1: its pointer table of %2 components"),
    QT_TRANSLATE_NOOP("Message", "%1: its record"),
    QT_TRANSLATE_NOOP("Message", "%1: its record with its limits"),
    QT_TRANSLATE_NOOP("Message", "%1: its record with %2 symbols"),
    QT_TRANSLATE_NOOP("Message", "%1: its record of %2 entries"),
    QT_TRANSLATE_NOOP("Message", "%1: its %2 x %3 pixels"),
    QT_TRANSLATE_NOOP("Message", "%1: its text"),
    // the records' owners: after "…: its record" above, as a template that ends with a part takes any tail
    QT_TRANSLATE_NOOP("Message", "Window %1, component %2 (%3), entry %4"),
    QT_TRANSLATE_NOOP("Message", "Window %1, component %2 (%3)"),
    QT_TRANSLATE_NOOP("Message", "Window %1, component %2"),
    QT_TRANSLATE_NOOP("Message", "The alarm list"),
    QT_TRANSLATE_NOOP("Message", "The alarm list of %1 texts"),
    QT_TRANSLATE_NOOP("Message", "Alarm list, text %1"),
    QT_TRANSLATE_NOOP("Message", "Alarm %1"),
    // files, catalogues and projects
    QT_TRANSLATE_NOOP("Message", "its previous file cannot be kept while the others are written (%1)"),
    QT_TRANSLATE_NOOP("Message", "the folder %1 does not take new files"),
    QT_TRANSLATE_NOOP("Message", "the text is %1 bytes long, more than the %2 bytes read"),
    QT_TRANSLATE_NOOP("Message", "File %1 does not exist!"),
    QT_TRANSLATE_NOOP("Message", "The catalogue %1 is damaged: %2."),
    QT_TRANSLATE_NOOP("Message", "the file is empty"),
    QT_TRANSLATE_NOOP("Message", "it announces %1 entries but holds %2"),
    QT_TRANSLATE_NOOP("Message", "entry %1 is cut short"),
    QT_TRANSLATE_NOOP("Message", "the driver of entry %1 is %2 bytes, more than its 32768-byte area"),
    QT_TRANSLATE_NOOP("Message", "the driver of entry %1 is cut short"),
    QT_TRANSLATE_NOOP("Message", "Unknown protocol %1"),
    QT_TRANSLATE_NOOP("Message", "does the file%1 exist?"),
    QT_TRANSLATE_NOOP("Message", "The file %1 is too short: %2 bytes, %3 needed."),
    QT_TRANSLATE_NOOP("Message", "the project does not read back: %1"),
    QT_TRANSLATE_NOOP("Message", "format version %1 is not supported"),
    // compiling
    QT_TRANSLATE_NOOP("Message", "Window %1 holds %2 components; the panel takes at most %3 in a window."),
    QT_TRANSLATE_NOOP("Message", "The alarm list holds %1 texts; the panel takes at most 255."),
    QT_TRANSLATE_NOOP("Message",
                      "The download image would be %1 bytes, but the panel holds at most %2 bytes (addresses "
                      "0x8000 to 0xFFFF). Remove texts, pictures or components to make it smaller."),
    QT_TRANSLATE_NOOP("Message", "The download image came out %1 bytes long instead of %2; it is not sent."),
    QT_TRANSLATE_NOOP("Message", "The project has no windows; the panel would have nothing to show"),
    QT_TRANSLATE_NOOP("Message", "Window %1: the %2 at (%3, %4) %5."),
    QT_TRANSLATE_NOOP("Message", "The alarm list %1."),
    QT_TRANSLATE_NOOP("Message", "holds a character the panel cannot show (%1): type it again or remove it; "
                                 "the panel shows ASCII and two-byte GBK characters"),
    QT_TRANSLATE_NOOP("Message", "the panel fonts cannot draw %1"),
    QT_TRANSLATE_NOOP("Message", "the byte %1 at byte %2 of its text"),
    QT_TRANSLATE_NOOP("Message", "The initial window %1 does not exist; the panel gets window %2 instead"),
    QT_TRANSLATE_NOOP("Message",
                      "The screen-saver window %1 does not exist; the panel gets window %2 instead"),
    QT_TRANSLATE_NOOP("Message", "holds %1 components; the panel takes at most %2 in a window"),
    QT_TRANSLATE_NOOP("Message", "the Up key jumps to window %1, which does not exist"),
    QT_TRANSLATE_NOOP("Message", "the Down key jumps to window %1, which does not exist"),
    QT_TRANSLATE_NOOP("Message", "jumps to window %1, which does not exist"),
    QT_TRANSLATE_NOOP("Message", "reaches beyond the 192 × 64 panel (to %1, %2)"),
    QT_TRANSLATE_NOOP("Message", "max %1 is not above min %2; the compile sets max %3, min %4"),
    QT_TRANSLATE_NOOP("Message",
                      "window %1: %2 at (%3, %4), station %5 address %6: limits set to max %7, min %8"),
    QT_TRANSLATE_NOOP("Message",
                      "its register type %1 is not in the protocol's list (%2); the compile takes %3"),
    QT_TRANSLATE_NOOP("Message",
                      "entries %1 and %2 both have the value %3; the panel shows entry %4's content for it"),
    QT_TRANSLATE_NOOP("Message",
                      "is saved with %1, but its type %2 is read-only: the register page offers neither"),
    QT_TRANSLATE_NOOP("Message", "Set and a password"),
    QT_TRANSLATE_NOOP("Message", "Set"),
    QT_TRANSLATE_NOOP("Message", "a password"),
    QT_TRANSLATE_NOOP("Message", "The image is %1; it does not fit into the panel"),
    QT_TRANSLATE_NOOP("Message", "%1 of %2 bytes"),
    QT_TRANSLATE_NOOP("Message", "the check found %1 problem"),
    QT_TRANSLATE_NOOP("Message", "the check found %1 problems"),
    // operands: the protocol tables' limits, conflicts between uses, and replacing a range
    QT_TRANSLATE_NOOP("Message", "station %1 is out of range %2…%3"),
    QT_TRANSLATE_NOOP("Message", "variable group %1 does not exist"),
    QT_TRANSLATE_NOOP("Message", "variable %1 is not in group %2"),
    QT_TRANSLATE_NOOP("Message", "register type %1 is not in the protocol's list"),
    QT_TRANSLATE_NOOP("Message", "address %1 is out of range %2…%3"),
    QT_TRANSLATE_NOOP("Message", "sub-address %1 is out of range 0…%2"),
    QT_TRANSLATE_NOOP("Message", "word count %1 is out of range 1…%2"),
    QT_TRANSLATE_NOOP("Message", "%1 is used with different word counts"),
    QT_TRANSLATE_NOOP("Message", "%1 is shown in different formats"),
    QT_TRANSLATE_NOOP("Message", "%1 (%2 words) overlaps %3"),
    QT_TRANSLATE_NOOP("Message", "\"%1\": \"%2\" is no address from 0 to 65535 (hexadecimal)"),
    QT_TRANSLATE_NOOP("Message", "\"%1\": \"%2\" is no address from 0 to 65535 (octal)"),
    QT_TRANSLATE_NOOP("Message", "\"%1\": \"%2\" is no address from 0 to 65535"),
    QT_TRANSLATE_NOOP("Message", "\"%1\" names no register type of the protocol"),
    QT_TRANSLATE_NOOP("Message", "\"%1\": the range ends before it starts"),
    QT_TRANSLATE_NOOP("Message", "%1 operand(s) cannot be replaced"),
    QT_TRANSLATE_NOOP("Message", "the control block's registers move together, and this one is outside %1"),
    QT_TRANSLATE_NOOP("Message", "type %1 is not allowed for this field"),
    QT_TRANSLATE_NOOP("Message", "type %1 takes %2 words, the operand has %3"),
    QT_TRANSLATE_NOOP("Message", "%1 would collide with %2 (%3)"),
    // where an operand is used (a window's name in brackets when it has one), and why its replacing is
    // refused
    QT_TRANSLATE_NOOP("Message", "window %1 (%2), %3 %4 at (%5, %6), coil %7: %8"),
    QT_TRANSLATE_NOOP("Message", "window %1 (%2), %3 %4 at (%5, %6), register %7: %8"),
    QT_TRANSLATE_NOOP("Message", "window %1 (%2), %3 %4 at (%5, %6), operand %7: %8"),
    QT_TRANSLATE_NOOP("Message", "window %1 (%2), %3 %4 at (%5, %6), coil"),
    QT_TRANSLATE_NOOP("Message", "window %1 (%2), %3 %4 at (%5, %6), register"),
    QT_TRANSLATE_NOOP("Message", "window %1 (%2), %3 %4 at (%5, %6), operand"),
    QT_TRANSLATE_NOOP("Message", "window %1, %2 %3 at (%4, %5), coil %6: %7"),
    QT_TRANSLATE_NOOP("Message", "window %1, %2 %3 at (%4, %5), register %6: %7"),
    QT_TRANSLATE_NOOP("Message", "window %1, %2 %3 at (%4, %5), operand %6: %7"),
    QT_TRANSLATE_NOOP("Message", "window %1, %2 %3 at (%4, %5), coil"),
    QT_TRANSLATE_NOOP("Message", "window %1, %2 %3 at (%4, %5), register"),
    QT_TRANSLATE_NOOP("Message", "window %1, %2 %3 at (%4, %5), operand"),
    QT_TRANSLATE_NOOP("Message", "alarm list %1: %2"),
    QT_TRANSLATE_NOOP("Message", "alarm list"),
    QT_TRANSLATE_NOOP("Message", "panel settings, control register %1: %2"),
    QT_TRANSLATE_NOOP("Message", "panel settings, control register"),
    // the simulated panel's PLC values, and a real PLC over Modbus
    QT_TRANSLATE_NOOP("Message", "\"%1\" is not OPERAND=VALUE"),
    QT_TRANSLATE_NOOP("Message", "\"%1\" is not a 32-bit value"),
    QT_TRANSLATE_NOOP("Message", "\"%1\": the bit after the point is a number"),
    QT_TRANSLATE_NOOP("Message", "the image uses no operand %1"),
    QT_TRANSLATE_NOOP("Message", "the PLC: %1"),
    QT_TRANSLATE_NOOP("Message", "online simulation needs a Modbus protocol; the project uses %1"),
    QT_TRANSLATE_NOOP("Message", "\"%1\" is not tcp:HOST:PORT"),
    QT_TRANSLATE_NOOP("Message", "\"%1\" is neither tcp:HOST:PORT nor rtu:DEVICE"),
    QT_TRANSLATE_NOOP("Message", "Modbus ASCII runs over TCP only here (tcp:HOST:PORT)"),
    QT_TRANSLATE_NOOP("Message", "the project's serial settings are out of range"),
    QT_TRANSLATE_NOOP("Message", "no answer yet from %1"),
    QT_TRANSLATE_NOOP("Message", "cannot use %1: %2"),
    QT_TRANSLATE_NOOP("Message", "cannot connect to %1: %2"),
    QT_TRANSLATE_NOOP("Message", "reading %1 from address %2 at station %3: %4"),
    QT_TRANSLATE_NOOP("Message", "reading back address %1: %2"),
    QT_TRANSLATE_NOOP("Message", "writing address %1 at station %2: %3"),
    QT_TRANSLATE_NOOP("Message", "cannot write: the table is read-only"),
    QT_TRANSLATE_NOOP("Message", "cannot write: %1"),
    QT_TRANSLATE_NOOP("Message", "type value %1 names no Modbus table"),
    QT_TRANSLATE_NOOP("Message", "address 0 where addresses count from 1"),
    QT_TRANSLATE_NOOP("Message", "the operand runs past the last address"),
    // downloading
    QT_TRANSLATE_NOOP("Message", "The serial port failed: %1"),
    QT_TRANSLATE_NOOP("Message", "The image is %1 bytes, more than the 32768 bytes the panel holds!"),
    QT_TRANSLATE_NOOP("Message", "The driver is %1 bytes, more than the 32768 bytes the panel holds!"),
    QT_TRANSLATE_NOOP("Message", "Download complete!Data %1 bytes"),
    QT_TRANSLATE_NOOP("Message", "Cannot open the serial port%1!\n%2"),
    QT_TRANSLATE_NOOP("Message", "Cannot create a pseudo-terminal: %1"),
    QT_TRANSLATE_NOOP("Message", "Too many negative answers from the panel!"),
    QT_TRANSLATE_NOOP("Message", "failed!"),
    // the serial port: why it does not open (after the port's name, or as a sentence of its own), why it
    // stopped, and how the list of ports names one
    QT_TRANSLATE_NOOP("Message", "no such device. Is the adapter plugged in, and is this the right port?"),
    QT_TRANSLATE_NOOP("Message", "No such device. Is the adapter plugged in, and is this the right port?"),
    QT_TRANSLATE_NOOP(
        "Message", "permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER, "
                   "then log in again), or install the program's udev rule for USB serial adapters."),
    QT_TRANSLATE_NOOP(
        "Message", "Permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER, "
                   "then log in again), or install the program's udev rule for USB serial adapters."),
    QT_TRANSLATE_NOOP("Message", "It is busy: another program is using it."),
    QT_TRANSLATE_NOOP("Message", "It is not a serial port."),
    QT_TRANSLATE_NOOP("Message", "%1 is busy: another program is using it."),
    QT_TRANSLATE_NOOP("Message", "%1 is not a serial port."),
    QT_TRANSLATE_NOOP("Message", "cannot send"),
    QT_TRANSLATE_NOOP("Message", "cannot wait"),
    QT_TRANSLATE_NOOP("Message", "connection lost"),
    QT_TRANSLATE_NOOP("Message", "USB serial adapter, %1"),
    QT_TRANSLATE_NOOP("Message", "USB serial adapter %1, %2"),
    QT_TRANSLATE_NOOP("Message", "Serial port, %1"),
    // whole messages of the core
    QT_TRANSLATE_NOOP("Message", "Import .OLZ Project"),
    QT_TRANSLATE_NOOP("Message", "Open the file error!"),
    QT_TRANSLATE_NOOP("Message", "the file type error!"),
    QT_TRANSLATE_NOOP("Message", "conversion accomplished!"),
    QT_TRANSLATE_NOOP("Message", "Register Limit error, cancel?"),
    QT_TRANSLATE_NOOP("Message", "File type error!"),
    QT_TRANSLATE_NOOP("Message", "Is it a correct file?"),
    QT_TRANSLATE_NOOP("Message", "version does not match!"),
    QT_TRANSLATE_NOOP("Message", "The protocol does not exist!"),
    QT_TRANSLATE_NOOP("Message", "Communication Error!!!"),
    QT_TRANSLATE_NOOP("Message", "Wrong informationg!"),
    QT_TRANSLATE_NOOP("Message", "Download data"),
    QT_TRANSLATE_NOOP("Message", "Read image"),
    QT_TRANSLATE_NOOP("Message", "not a regular file"),
    QT_TRANSLATE_NOOP("Message", "in use by another program"),
    QT_TRANSLATE_NOOP("Message", "a pipe that no process reads"),
    // the system's reasons inside the messages above (strerror, as the C library words them; two as
    // Windows' words them)
    QT_TRANSLATE_NOOP("Message", "Operation not permitted"),
    QT_TRANSLATE_NOOP("Message", "No such file or directory"),
    QT_TRANSLATE_NOOP("Message", "Input/output error"),
    QT_TRANSLATE_NOOP("Message", "No such device or address"),
    QT_TRANSLATE_NOOP("Message", "Permission denied"),
    QT_TRANSLATE_NOOP("Message", "Device or resource busy"),
    QT_TRANSLATE_NOOP("Message", "File exists"),
    QT_TRANSLATE_NOOP("Message", "No such device"),
    QT_TRANSLATE_NOOP("Message", "Not a directory"),
    QT_TRANSLATE_NOOP("Message", "Is a directory"),
    QT_TRANSLATE_NOOP("Message", "Too many open files"),
    QT_TRANSLATE_NOOP("Message", "File too large"),
    QT_TRANSLATE_NOOP("Message", "No space left on device"),
    QT_TRANSLATE_NOOP("Message", "Read-only file system"),
    QT_TRANSLATE_NOOP("Message", "Broken pipe"),
    QT_TRANSLATE_NOOP("Message", "File name too long"),
    QT_TRANSLATE_NOOP("Message", "Filename too long"),
    QT_TRANSLATE_NOOP("Message", "Too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("Message", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("Message", "Text file busy"),
    QT_TRANSLATE_NOOP("Message", "Connection refused"),
    QT_TRANSLATE_NOOP("Message", "Connection timed out"),
    QT_TRANSLATE_NOOP("Message", "Connection reset by peer"),
    QT_TRANSLATE_NOOP("Message", "No route to host"),
    QT_TRANSLATE_NOOP("Message", "Network is unreachable"),
    // a Modbus PLC's answers and libmodbus's own reasons
    QT_TRANSLATE_NOOP("Message", "Illegal function"),
    QT_TRANSLATE_NOOP("Message", "Illegal data address"),
    QT_TRANSLATE_NOOP("Message", "Illegal data value"),
    QT_TRANSLATE_NOOP("Message", "Slave device or server failure"),
    QT_TRANSLATE_NOOP("Message", "Acknowledge"),
    QT_TRANSLATE_NOOP("Message", "Slave device or server is busy"),
    QT_TRANSLATE_NOOP("Message", "Negative acknowledge"),
    QT_TRANSLATE_NOOP("Message", "Memory parity error"),
    QT_TRANSLATE_NOOP("Message", "Gateway path unavailable"),
    QT_TRANSLATE_NOOP("Message", "Target device failed to respond"),
    QT_TRANSLATE_NOOP("Message", "Invalid CRC"),
    QT_TRANSLATE_NOOP("Message", "Invalid data"),
    QT_TRANSLATE_NOOP("Message", "Invalid exception code"),
    QT_TRANSLATE_NOOP("Message", "Too many data"),
    QT_TRANSLATE_NOOP("Message", "Response not from requested slave"),
    // where a damaged project file is damaged: late, so that no message above with such a tail ("… with
    // D150 (window 1, …)") is taken for one; and the one reason that ends with a part after them
    QT_TRANSLATE_NOOP("Message", "%1 (window %2, component %3 (%4))"),
    QT_TRANSLATE_NOOP("Message", "%1 (window %2, component %3)"),
    QT_TRANSLATE_NOOP("Message", "%1 (window %2)"),
    QT_TRANSLATE_NOOP("Message", "%1 (header)"),
    QT_TRANSLATE_NOOP("Message", "%1 (alarm list)"),
    QT_TRANSLATE_NOOP("Message", "%1 (window)"),
    QT_TRANSLATE_NOOP("Message", "%1 (component)"),
    QT_TRANSLATE_NOOP("Message", "%1 (settings)"),
    QT_TRANSLATE_NOOP("Message", "type code %1 does not belong to class %2"),
    // a kind's name and place, as the check names a component
    QT_TRANSLATE_NOOP("Message", "%1 at (%2, %3)"),
    // a message after a window or a file name, and one message after another: each part on its own (last:
    // the more particular templates above win)
    QT_TRANSLATE_NOOP("Message", "Window %1: %2"),
    QT_TRANSLATE_NOOP("Message", "%1: %2"),
    QT_TRANSLATE_NOOP("Message", "%1\n%2"),
};

struct CTemplate {
    const char* source;
    QRegularExpression pattern;
};

// Each template as a whole-text pattern, its parts captured in the order they appear.
const std::vector<CTemplate>& templates()
{
    static const std::vector<CTemplate> list = [] {
        std::vector<CTemplate> out;
        const QRegularExpression part(QStringLiteral("%[1-9]"));
        for (const char* source : kTemplates) {
            const QString text = QString::fromUtf8(source);
            QString pattern = QStringLiteral("^");
            qsizetype at = 0;
            for (auto it = part.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                const bool nameBeforeNumber = text.mid(m.capturedEnd(), 2) == QStringLiteral(" %");
                pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at)) +
                           (nameBeforeNumber ? QStringLiteral("(?<p%1>.*)") : QStringLiteral("(?<p%1>.*?)"))
                               .arg(m.captured().mid(1));
                at = m.capturedEnd();
            }
            pattern += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            out.push_back(
                {source, QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)});
        }
        return out;
    }();
    return list;
}

// The first template that matches the whole of `text`, with its match.
const CTemplate* firstMatch(const QString& text, QRegularExpressionMatch& m)
{
    for (const CTemplate& t : templates()) {
        m = t.pattern.match(text);
        if (m.hasMatch())
            return &t;
    }
    return nullptr;
}

QString qtext(const std::string& utf8) { return QString::fromStdString(utf8); }

// `pattern` with each %1 … %9 that `part` gives a text for replaced by it, in one pass, so that a part
// holding "%1" is never substituted again.
std::string fillParts(const std::string& pattern, const std::function<std::optional<std::string>(int)>& part)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::optional<std::string> text =
            pattern[i] == '%' && next >= '1' && next <= '9' ? part(next - '0') : std::nullopt;
        if (text) {
            out += *text;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace

std::span<const char* const> messageTemplates()
{
    return kTemplates;
}

const char* matchingTemplate(const std::string& text)
{
    QRegularExpressionMatch m;
    const CTemplate* t = firstMatch(QString::fromStdString(text), m);
    return t ? t->source : nullptr;
}

std::string translateMessage(const std::string& text)
{
    const std::string whole = translate(kContext, text.c_str());
    if (whole != text)
        return whole;
    // A part that names a component's kind ("Window 3, component 2 (LED)").
    if (const std::string kind = translate(kKindContext, text.c_str()); kind != text)
        return kind;
    QRegularExpressionMatch m;
    const CTemplate* t = firstMatch(QString::fromStdString(text), m);
    if (!t)
        return text;
    const QStringList groups = t->pattern.namedCaptureGroups();
    return fillParts(translate(kContext, t->source), [&](int n) -> std::optional<std::string> {
        const QString name = QStringLiteral("p%1").arg(n);
        if (!groups.contains(name))
            return std::nullopt;
        // A part that is itself a message (a reason after a file name) is translated too.
        return translateMessage(m.captured(name).toStdString());
    });
}

std::string localized(const char* text, std::initializer_list<std::string> parts)
{
    return fillParts(translate(kContext, text), [&](int n) -> std::optional<std::string> {
        if (n > static_cast<int>(parts.size()))
            return std::nullopt;
        return parts.begin()[n - 1];
    });
}

QString componentKindText(std::uint8_t typeCode)
{
    return qtext(translate(kKindContext, componentKindName(typeCode)));
}

QString operandUseText(const COperandUse& use)
{
    if (use.field == COperandField::kAlarmCoil)
        return qtext(translate("Operand", "alarm list"));
    if (use.field == COperandField::kControlBlock)
        return qtext(translate("Operand", "panel settings"));
    // One arg() call each, so that a window name holding "%2" stays as it is.
    const QString name = qtext(gbkToUtf8(use.windowName));
    const QString number = QString::number(use.windowNumber);
    const QString window = name.isEmpty() ? qtext(translate("Operand", "window %1")).arg(number)
                                          : qtext(translate("Operand", "window %1 (%2)")).arg(number, name);
    return qtext(translate("Operand", "%1, %2 %3 at (%4, %5)"))
        .arg(window, componentKindText(use.componentType), QString::number(use.componentPosition + 1),
             QString::number(use.x), QString::number(use.y));
}

QString operandFieldText(COperandField field)
{
    switch (field) {
    case COperandField::kCoil:
        return qtext(translate("Operand", "coil"));
    case COperandField::kRegister:
        return qtext(translate("Operand", "register"));
    case COperandField::kAlarmCoil:
        return qtext(translate("Operand", "alarm coil"));
    case COperandField::kControlBlock:
        return qtext(translate("Operand", "control register"));
    default:
        return qtext(translate("Operand", "operand"));
    }
}

QString accessText(CAccess access)
{
    switch (access) {
    case CAccess::kWrite:
        return qtext(translate("Operand", "write"));
    case CAccess::kReadWrite:
        return qtext(translate("Operand", "read and write"));
    default:
        return qtext(translate("Operand", "read"));
    }
}

} // namespace zl
