#pragma once
// The modes of tessel_bench; tools/bench runs each in a fresh process.
#include <string>
#include <vector>

int RunFolderBench(int runs, const std::vector<std::string>& arguments);
int RunChangeBench(int runs, const std::vector<std::string>& arguments);
int RunCanvasBench(int runs, const std::vector<std::string>& arguments);
int RunMemoryBench(const std::vector<std::string>& arguments);
int RunFitBench(const std::vector<std::string>& arguments);
int RunPreviewBench(int runs, const std::vector<std::string>& arguments);
int RunQualityBench(const std::vector<std::string>& arguments);
int RunJpegWriter(const std::vector<std::string>& arguments);
int RunIdleBench(const std::vector<std::string>& arguments);
int RunPrepare(const std::vector<std::string>& arguments);
