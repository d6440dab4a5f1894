// Reading the parts of a zip package (.xlsx, .docx) in a test, and a small well-formedness check
// of their XML, so the tests see the files as an office program would.
#pragma once

#include <zip.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace jadvalon::testing {

// Every part by name; empty when the file is not a zip archive.
inline std::map<std::string, std::string> readPackage(const std::filesystem::path& path) {
  std::map<std::string, std::string> parts;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!archive) return parts;
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive, i, 0, &stat) != 0) continue;
    zip_file_t* file = zip_fopen_index(archive, i, 0);
    if (!file) continue;
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_fread(file, bytes.data(), stat.size);
    zip_fclose(file);
    if (read == static_cast<zip_int64_t>(stat.size)) parts[stat.name] = bytes;
  }
  zip_close(archive);
  return parts;
}

inline int countOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

// Balanced elements, quoted attributes, known entities and no stray '<': enough to tell a part
// that an office program would refuse. Empty when well formed, else what is wrong.
inline std::string xmlProblem(const std::string& xml) {
  auto entityOk = [&](std::size_t at) {
    const std::size_t end = xml.find(';', at);
    if (end == std::string::npos || end - at > 10) return false;
    const std::string name = xml.substr(at + 1, end - at - 1);
    if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos")
      return true;
    return name.size() > 1 && name[0] == '#';
  };
  std::vector<std::string> open;
  int roots = 0;
  for (std::size_t i = 0; i < xml.size();) {
    if (xml[i] == '&') {
      if (!entityOk(i)) return "bad entity at " + std::to_string(i);
      ++i;
      continue;
    }
    if (xml[i] != '<') {
      if (open.empty() && !std::isspace(static_cast<unsigned char>(xml[i])))
        return "text outside the root at " + std::to_string(i);
      ++i;
      continue;
    }
    if (xml.compare(i, 2, "<?") == 0) {
      const std::size_t end = xml.find("?>", i);
      if (end == std::string::npos) return "unclosed declaration";
      i = end + 2;
      continue;
    }
    if (xml.compare(i, 4, "<!--") == 0) {
      const std::size_t end = xml.find("-->", i);
      if (end == std::string::npos) return "unclosed comment";
      i = end + 3;
      continue;
    }
    const std::size_t end = xml.find('>', i);
    if (end == std::string::npos) return "unclosed tag at " + std::to_string(i);
    std::string tag = xml.substr(i + 1, end - i - 1);
    i = end + 1;
    if (!tag.empty() && tag[0] == '/') {
      const std::string name = tag.substr(1);
      if (open.empty() || open.back() != name) return "unexpected </" + name + ">";
      open.pop_back();
      continue;
    }
    const bool selfClosing = !tag.empty() && tag.back() == '/';
    if (selfClosing) tag.pop_back();
    const std::size_t nameEnd = tag.find_first_of(" \t\r\n");
    const std::string name = tag.substr(0, nameEnd);
    if (name.empty()) return "empty tag name";
    // Attributes: name="value" pairs with no '<' in the values.
    for (std::size_t a = nameEnd; a != std::string::npos && a < tag.size();) {
      a = tag.find_first_not_of(" \t\r\n", a);
      if (a == std::string::npos) break;
      const std::size_t eq = tag.find('=', a);
      if (eq == std::string::npos || eq + 1 >= tag.size() ||
          (tag[eq + 1] != '"' && tag[eq + 1] != '\''))
        return "unquoted attribute in <" + name + ">";
      const std::size_t close = tag.find(tag[eq + 1], eq + 2);
      if (close == std::string::npos) return "unclosed attribute in <" + name + ">";
      if (tag.substr(eq + 2, close - eq - 2).find('<') != std::string::npos)
        return "'<' in an attribute of <" + name + ">";
      a = close + 1;
    }
    if (open.empty()) ++roots;
    if (!selfClosing) open.push_back(name);
  }
  if (!open.empty()) return "unclosed <" + open.back() + ">";
  if (roots != 1) return "not exactly one root element";
  return {};
}

}  // namespace jadvalon::testing
