#include "host/DesignInput.h"

#include "loaddata/SuiteEnvironment.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace host
{

namespace
{

const char* const kSystemWords[] = {"span", "cantilever", "column"};
constexpr int kMaxLoads = 65536;

struct Section {
    std::string file;
    std::string name;

    explicit Section(const std::string& loadFile)
        : file(loaddata::directoryOf(loadFile) + kDesignInputFile),
          name(loaddata::fileNameOf(loadFile).substr(0, loaddata::fileNameOf(loadFile).rfind('.')))
    {
    }

    std::string get(const char* key) const
    {
        char value[64] = "";
        GetPrivateProfileStringA(name.c_str(), key, "", value, sizeof value, file.c_str());
        return value;
    }
};

bool parse(const std::string& text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value);
}

std::string format(double value)
{
    // The shortest of the two precisions that reads back to the same value.
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    if (std::strtod(text, nullptr) != value)
        std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string loadKey(std::size_t k)
{
    return "Load" + std::to_string(k + 1);
}

std::vector<std::string> keyLines(const DesignInput& input)
{
    std::vector<std::string> lines = {
        std::string("System=") + kSystemWords[static_cast<int>(input.system)],
        "Length=" + format(input.length), "Loads=" + std::to_string(input.ownLoads.size())};
    for (std::size_t k = 0; k < input.ownLoads.size(); ++k)
        lines.push_back(loadKey(k) + "=" + format(input.ownLoads[k]));
    return lines;
}

} // namespace

bool readDesignInput(const std::string& loadFile, DesignInput& input)
{
    const Section section(loadFile);
    const std::string system = section.get("System");
    int found = -1;
    for (int s = 0; s < 3; ++s)
        if (system == kSystemWords[s])
            found = s;
    double loads = 0.0;
    if (found < 0 || !parse(section.get("Length"), input.length) || input.length < 0.0 ||
        !parse(section.get("Loads"), loads) || loads < 0 || loads > kMaxLoads)
        return false;
    input.system = static_cast<StaticSystem>(found);
    input.ownLoads.assign(static_cast<std::size_t>(loads), 0.0);
    for (std::size_t k = 0; k < input.ownLoads.size(); ++k)
        if (!parse(section.get(loadKey(k).c_str()), input.ownLoads[k]))
            return false;
    return true;
}

bool writeDesignInput(const std::string& loadFile, const DesignInput& input)
{
    const Section section(loadFile);
    std::string keys;
    for (const std::string& line : keyLines(input))
        keys += line + '\0';
    return WritePrivateProfileSectionA(section.name.c_str(), keys.c_str(), section.file.c_str()) !=
           0;
}

bool writeDesignInputs(const std::string& directory,
                       const std::vector<std::pair<std::string, DesignInput>>& sections)
{
    std::ofstream out(directory + kDesignInputFile, std::ios::binary | std::ios::trunc);
    for (const auto& [name, input] : sections) {
        out << "[" << name << "]\r\n";
        for (const std::string& line : keyLines(input))
            out << line << "\r\n";
    }
    out.close();
    return !out.fail();
}

} // namespace host
