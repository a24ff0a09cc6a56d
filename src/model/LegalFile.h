#pragma once
// The summer legal time table: 40 switch instants (start and end of summer time,
// 2008..2027) as seconds since 1999-12-31 00:00:00, and a three-byte version at 0xFD..0xFF.

#include "model/Bytes.h"
#include "model/FileIo.h"

#include <array>
#include <cstdint>
#include <string>

namespace q7582 {

inline constexpr int LegalFileSize = 256;
inline constexpr int LegalBufferSize = 300;
inline constexpr const char* LegalFileName = "./LEGAL.BIN";

// Seconds since 1999-12-31 00:00:00 of a packed-BCD date and time (timer start order:
// second, minute, hour, day, month, two-digit year). 0 for an impossible second or a
// month above 12.
std::uint32_t legalSeconds(Byte second, Byte minute, Byte hour, Byte day, Byte month, Byte year);

// The 256-byte table built from the built-in source table.
std::array<Byte, LegalFileSize> builtInLegalTable();

// LegalFileId of a table: (byte 0xFF << 24) + (byte 0xFE << 16) + (byte 0xFD << 8).
std::uint32_t legalFileIdOf(const Byte* table);

struct LegalFileImage {
    std::array<Byte, LegalBufferSize> buffer{}; // a 256-byte file fills the first 256
    std::uint32_t legalFileId = 0;              // LegalFileId: (0xFF << 24) + (0xFE << 16) + (0xFD << 8)

    const Byte* data() const { return buffer.data(); }
};

// Creates path from the built-in table when it does not exist (or is a folder).
// An existing file is never rewritten.
FileResult createLegalFileIfMissing(const std::string& path = LegalFileName);
// Reads up to 300 bytes of path into image (the rest of the buffer is zeroed) and
// computes its id. On failure the image keeps its previous content.
FileResult loadLegalFile(LegalFileImage& image, const std::string& path = LegalFileName);

} // namespace q7582
