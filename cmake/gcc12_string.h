// Included before every C++ source when building with GCC 12.
//
// GCC 12 inlines std::string's assignment and insertion so deeply that its
// -Wrestrict check sees overlapping copies that the string code rules out
// (GCC bug 105651): every `text = "literal"` or `"literal" + text` may warn
// from inside libstdc++. The check stays on for everything else; only the
// copies inside the string header itself are exempt, so an overlapping
// memcpy in the program's own code is still reported.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include <string>
#pragma GCC diagnostic pop
