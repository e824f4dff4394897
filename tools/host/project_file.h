// Project files: the bytes of the plug-in's project-data hooks, stored as
// they come, as the host would store them inside its own project.
#pragma once

#include <string>

class FilterHost;

// Writes a temporary file beside the target and then replaces the target, so
// a failed save leaves an existing project file as it was.
bool SaveProjectFile(FilterHost& filter, const std::string& path, std::string& error);
bool LoadProjectFile(FilterHost& filter, const std::string& path, std::string& error);
