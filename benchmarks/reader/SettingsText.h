#pragma once
#include <cstddef>
#include <string>

// Settings texts for the benchmarks, the same bytes on every run.

// A plausible settings file of about `size` bytes, as modders write them: a byte-order mark, CR LF
// line ends, sections of 10 to 30 keys, comment lines, trailing " ; " and " // " comments, mixed
// spacing around "=" and some indented lines.
std::string PlausibleSettings(std::size_t size);

// Shapes that would show a cost growing faster than the file.
std::string OneLongLine(std::size_t size);         // one entry line, no line feed
std::string OneByteLines(std::size_t size);        // "x" lines: one key, again and again
std::string OneKeySections(std::size_t sections);  // [S1] k=v, [S2] k=v, ...
std::string DuplicateKeys(std::size_t size);       // one section, every line the same key
