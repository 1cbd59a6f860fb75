// Feeds arbitrary bytes to cvntool summary's reader, as a report collected
// from a fleet: the tally must neither crash nor overrun, and the same
// bytes written as a JSON string must always read back as valid JSON.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "report/FleetSummary.h"
#include "report/JsonReader.h"
#include "report/JsonWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  cvn::FleetTally tally;
  tally.Add("machine", bytes);
  tally.Finish();

  std::string written;
  cvn::JsonWriter json(written);
  json.BeginArray();
  json.String(bytes);
  json.EndArray();
  std::string error;
  if (!cvn::ParseJson(written, error)) std::abort();
  return 0;
}
