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

    std::string file(const std::string& name) const;
    std::vector<std::string> names() const; // sorted

  private:
    std::string m_path;
};

std::vector<unsigned char> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
