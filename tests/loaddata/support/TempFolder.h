// A folder of its own for one test, removed with everything in it at the end.
#pragma once

#include <string>
#include <vector>

class TempFolder
{
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of a file in the folder.
    std::string file(const std::string& name) const;
    // The names of the files in it, sorted.
    std::vector<std::string> names() const;

  private:
    std::string m_path;
};

std::vector<unsigned char> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
