// Fixed word lists from which the texts of a synthetic company are composed: part names,
// the subjects that name codes, vendors, payers and months.
#pragma once

#include <string>
#include <vector>

struct Subject {
    std::string name;   // "Parks and Recreation"
    std::string brief;  // "Parks"
};

const std::vector<std::string>& otherPartNames();
const std::vector<std::string>& derivedPartNames();
const std::vector<std::string>& rollupNames();
const std::vector<Subject>& subjects();
const std::vector<std::string>& vendors();
const std::vector<std::string>& payers();
const std::vector<std::string>& monthNames();
