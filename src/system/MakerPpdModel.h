#pragma once

#include <QString>

#include <memory>

class tOptionModel;

// The maker's PPD that a profile's model line names: the line's brackets
// dropped, blanks joined by "_", the "TPDL" and "TPSL" words dropped, "B/W"
// spelt "Monochrome" and "RB/ORVA" shortened to "RB", in the maker's PPD
// folder with ".ppd" appended. A new option model built from it; null when
// it is missing or no PPD. The maker's folder lies in a tree that every
// account may write to: only a regular file, not a link, of a sane size, in
// a folder that root or the user owns and no other account can write to, is
// read, and nothing there can make the read wait.
std::unique_ptr<tOptionModel> buildModelFromMakerPpd(const QString &modelLine);

// A new option model built from the PPD file at path; null when the file is
// missing or no PPD.
std::unique_ptr<tOptionModel> buildModelFromPpdFile(const QString &path);
