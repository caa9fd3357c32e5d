#pragma once
// The files velmora-sim writes from a finished run. Numbers read the same
// under every locale; a value that is not a number reads "nan".
#include <string>

struct CSimulation;

// "slice,radius", then one line per slice of the stock.
std::string ProfileCsv(const CSimulation& sim);
// "index,x,z", then one line per recorded trace point.
std::string TraceCsv(const CSimulation& sim);
// The machined half-profile over the stock's outline, with the tool path.
std::string ProfileSvg(const CSimulation& sim);
// The machined part as a binary STL.
std::string PartStl(const CSimulation& sim);

// False when the file cannot be written.
bool WriteWholeFile(const std::string& path, const std::string& content);
