// One financial event as JSON, with the shared fields named by what they mean for the event's
// kind ("apply_rate", "to_account", "property_taxes") where the kind gives them a meaning.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "exchange/json_fields.h"
#include "model/records.h"

namespace tarvel::exchange::json_internal {

// Fields of event that differ from base; kind, description and ages always when in_list.
nlohmann::ordered_json EventToJson(const model::FinancialEvent& event,
                                   const model::FinancialEvent& base, bool in_list);
// Fills event (which holds its defaults) from its JSON object.
void EventFromJson(const nlohmann::ordered_json& json, const std::string& path,
                   const AccountNames& names, model::FinancialEvent& event);

}  // namespace tarvel::exchange::json_internal
