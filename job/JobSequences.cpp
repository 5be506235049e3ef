#include <optional>

#include "job/AssemblyJob.h"

void SymbolOnlyJob::run(const std::string& sourcePath) {
  preprocess(sourcePath, nullptr);
  if (status <= STATUS_ERRORS) {
    passOne();
  }
  if (status <= STATUS_WARNINGS) {
    guardStage([&] {
      writeOutput(sourcePath);
      writeCompanionFiles({});
    });
  }
}

void ImageJob::run(const std::string& sourcePath) {
  printProgress("Assembling " + displayPath + "\n");
  if (settings().listingWanted) {
    // The listing shows where every line's bytes went and the symbols as written.
    tracesPlacements = true;
    keepsExportSymbols = true;
  }
  preprocess(sourcePath, nullptr);
  if (status <= STATUS_ERRORS) {
    passOne();
  }
  std::optional<OutputImage> image;
  guardStage([&] { image.emplace(); });
  if (image && status <= STATUS_WARNINGS) {
    passTwo(*image);
  }
  if (image && status <= STATUS_WARNINGS) {
    image->seek(0);
    guardStage([&] {
      writeOutput(sourcePath, *image);
      writeCompanionFiles(image->bytes());
    });
  }
}
