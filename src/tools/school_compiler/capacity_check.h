// Capacity checks of a project: whether every class, teacher, lesson and room has enough free
// slots for its weekly hours. They are necessary conditions for a complete timetable, cheap
// enough to run on every build of the shipped examples.
#pragma once

#include <string>
#include <vector>

#include "model/project.h"

namespace jadvalon::school {

// One line per problem, naming the record by its short name; empty when everything fits.
std::vector<std::string> checkCapacity(const Project& project);

}  // namespace jadvalon::school
