// Financial events as JSON: the shared fields of an event record appear under the names of
// their meaning for its kind and variety (credit card, equity loan, budget withdrawal, Rule
// 72T distribution).
#include "exchange/event_json.h"

#include "exchange/json_records.h"
#include "model/event_fields.h"
#include "model/event_views.h"

namespace tarvel::exchange::json_internal {

nlohmann::ordered_json EventToJson(const model::FinancialEvent& event,
                                   const model::FinancialEvent& base, bool in_list) {
  FieldWriter writer(!in_list);
  writer.set_aliases(model::FieldMeaningsOf(event));
  VisitEvent(writer, event, base);
  return std::move(writer.out());
}

void EventFromJson(const nlohmann::ordered_json& json, const std::string& path,
                   const AccountNames& names, model::FinancialEvent& event) {
  FieldReader reader(json, path, &names);
  // The kind and the variety markers first: they decide the names of the other fields.
  reader.Field("kind", event.kind, event.kind);
  model::VisitVarietyMarkers(reader, event);
  reader.set_aliases(model::FieldMeaningsOf(event));
  VisitEvent(reader, event, event);
  reader.Finish();
}

}  // namespace tarvel::exchange::json_internal
