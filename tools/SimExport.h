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

// Writes an export whole or not at all: an earlier export at path stays
// as it was when the disk is full. Empty, or why the file was not written.
std::string WriteWholeFile(const std::string& path, const std::string& content);
