// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/platform.h"

#include <QString>

// The program's text files on disk, in Windows-1250 with CR LF line ends.
namespace tarvel::system {

class Cp1250FileStore : public forms::FileStore {
public:
    // Files are addressed by name relative to the directory.
    explicit Cp1250FileStore(const std::string& directory);

    bool exists(const std::string& name) override;
    std::optional<long long> size(const std::string& name) override;
    forms::WriteResult append(const std::string& name, const std::string& text) override;
    forms::WriteResult replaceWhole(const std::string& name, const std::string& text) override;
    bool remove(const std::string& name) override;
    std::optional<std::vector<std::string>> readLines(const std::string& name) override;
    std::string fullPath(const std::string& name) override;

private:
    QString path(const std::string& name) const;

    QString directory_;
};

} // namespace tarvel::system
