#pragma once
// What the LED and the function key share: a 16 × 16 panel-pixel picture chosen by a shape or key byte,
// the first rows of their file body and the common bytes of their records.
#include <cstdint>

#include "model/CBase.h"

namespace zl {

struct CProtocolDescriptor;

class CLightFunc : public CBase {
public:
    // Common part, double flag, reverse flag, sub-address, shape or key, station, register type, address.
    void Serialize(CArchive& ar) override;
    // x, y, station (byte 3) and sub-address (byte 8).
    void BuildDownloadData(CCompileContext& ctx) override;

    std::uint8_t shapeOrKey = 0; // LED: 0 round, 1 square; function key: the key, 0 … 19

protected:
    explicit CLightFunc(unsigned protocol) : CBase(protocol) {}
    CLightFunc(const CLightFunc& other) = default;

    // Address of a bit operand in a record: protocols that count bits in words take sub-address
    // + 16 × address; the protocol of named variables names it by its own address.
    std::uint16_t BitOperandAddress(const CProtocolDescriptor& protocol,
                                    std::uint16_t protocol31Address) const;
};

} // namespace zl
