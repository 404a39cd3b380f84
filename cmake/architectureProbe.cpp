// Compiles only where README.md's row for this architecture says what this compiler says.
// CheckArchitectureTable.cmake reads the row into these macros.

#include <bit>
#include <climits>
#include <cstdint>
#include <ctime>
#include <type_traits>

static_assert((std::endian::native == std::endian::little) == LITTLE_ENDIAN_ROW,
              "README.md's table gives the wrong byte order for this architecture");
static_assert(alignof(std::int64_t) == INT64_ALIGNMENT_ROW,
              "README.md's table gives the wrong alignof(std::int64_t) for this architecture");
static_assert(std::is_signed_v<char> == SIGNED_CHAR_ROW,
              "README.md's table gives the wrong sign of plain char for this architecture");
static_assert(sizeof(std::time_t) * CHAR_BIT == TIME_BITS_ROW,
              "README.md's table gives the wrong bits of time_t for this architecture and release");
