// Small property-list files for the tests, described as JSON: an object is a
// dictionary, a number an integer, a string a string, and {"raw": "..."} is
// copied into the XML as it stands (for values JSON cannot express).
#pragma once

#include <nlohmann/json.hpp>
#include <string>

// The XML property-list text of a JSON description.
std::string PlistXml(const nlohmann::json &root);

// A list file with all three classes and their six sub-dictionaries, no
// items and "iNum" 0.
nlohmann::json MinimalListFile();
