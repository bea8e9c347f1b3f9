#pragma once

#include <string>
#include <string_view>

#include "file_layer.h"
#include "results_document.h"

namespace ormitan {

// A results file (".tst") is the bare score array: 25 bytes, gift 1 first. Longer files are
// read by their first 25 bytes; every byte value is taken as it is.
//
// Reads the first 25 bytes of a results file. A file shorter than 25 bytes is an error
// (code 100); the file is closed before any error leaves.
ScoreArray ReadResultsFile(FileLayer& files, const std::string& path);

// Writes the 25 bytes so that the previous file at `path` is replaced only by a complete,
// synced new one: a failure at any step leaves the old file as it was and no temporary file.
void WriteResultsFile(FileLayer& files, const std::string& path, const ScoreArray& scores);

// Opening: reads the file into `scores` and then names the results after it. On failure
// neither is touched.
void LoadResults(FileLayer& files, const std::string& path, ScoreArray& scores,
                 std::string& resultsName);

// Saving: writes the scores and then names the results after the file. On failure the name
// keeps its value.
void SaveResults(FileLayer& files, const std::string& path, const ScoreArray& scores,
                 std::string& resultsName);

// The same two for the program's results document: opening replaces its scores and name, and
// saving names it after the file, each only when the file operation has succeeded.
void LoadResults(FileLayer& files, const std::string& path, ResultsDocument& results);
void SaveResults(FileLayer& files, const std::string& path, ResultsDocument& results);

// The file name of a path without its folder, cut before its first dot; empty when the name
// has no dot or begins with one. "\", ":" and "/" all end a folder.
std::string ExtractBaseName(std::string_view path);

}  // namespace ormitan
