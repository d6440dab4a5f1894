// Turns a school description into a project image, adding every record through the project's
// own table operations so that ids, defaults and derived fields are what the program makes.
#pragma once

#include "model/project.h"
#include "tools/school_compiler/school_description.h"

namespace jadvalon::school {

// Fills an empty project (all tables empty, next ids 0) with the school. Teacher colours come
// from a fixed seed, so the same description always gives the same bytes.
void buildSchool(const SchoolDescription& school, Project& project);

}  // namespace jadvalon::school
