#include "PlistFixture.h"

namespace {

std::string Escape(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

void Emit(const nlohmann::json &value, std::string *out)
{
    if (value.is_object() && value.contains("raw") && value.size() == 1) {
        *out += value["raw"].get<std::string>();
    } else if (value.is_object()) {
        *out += "<dict>\n";
        for (auto it = value.begin(); it != value.end(); ++it) {
            *out += "<key>" + Escape(it.key()) + "</key>";
            Emit(it.value(), out);
            *out += "\n";
        }
        *out += "</dict>";
    } else if (value.is_array()) {
        *out += "<array>";
        for (const auto &item : value)
            Emit(item, out);
        *out += "</array>";
    } else if (value.is_number_integer()) {
        *out += "<integer>" + value.dump() + "</integer>";
    } else if (value.is_string()) {
        *out += "<string>" + Escape(value.get<std::string>()) + "</string>";
    } else if (value.is_boolean()) {
        *out += value.get<bool>() ? "<true/>" : "<false/>";
    }
}

} // namespace

std::string PlistXml(const nlohmann::json &root)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";
    Emit(root, &out);
    return out + "\n</plist>\n";
}

nlohmann::json MinimalListFile()
{
    nlohmann::json file = nlohmann::json::object();
    for (const char *cls : {"RGB", "SIM", "DST"}) {
        nlohmann::json classDict = {{"iNum", 0}};
        for (const char *field : {"IndexOnDevice", "InMenu", "ProfileClass", "Location", "FileName", "ProfileName"})
            classDict[field] = nlohmann::json::object();
        file[cls] = classDict;
    }
    file["PlistVersion"] = 1;
    return file;
}
