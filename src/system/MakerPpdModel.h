#pragma once

#include <QString>

#include <memory>

class tOptionModel;

// The maker's PPD that a profile's model line names: the line's brackets
// dropped, blanks joined by "_", the "TPDL" and "TPSL" words dropped, "B/W"
// spelt "Monochrome" and "RB/ORVA" shortened to "RB", in the maker's PPD
// folder with ".ppd" appended.
QString makerPpdPathForModelLine(const QString &modelLine);

// A new option model built from the PPD file at path; null when the file is
// missing or no PPD.
std::unique_ptr<tOptionModel> buildModelFromPpdFile(const QString &path);
