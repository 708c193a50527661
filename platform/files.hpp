#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Writes bytes to path through a temporary file in the same folder, flushed to disk and renamed
// over the target, so a failure or a crash midway leaves the previous file as it was.
// False on any error (the temporary file is then removed).
bool WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size);
