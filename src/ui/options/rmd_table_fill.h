// Filling a life-expectancy table from the IRS Uniform Lifetime Table shipped in "mort.dat":
// the divisors for a start age (or the message that says why there are none), and the offer
// to fill a table that holds no values at all.
#pragma once

#include <optional>

#include "engine/rmd_tables.h"
#include "model/program.h"
#include "platform/prompter.h"
#include "ui/editors/editor_services.h"

namespace tarvel::ui {

// The divisors of the 30 ages from start_age, or the message to show instead.
struct UniformFill {
  std::optional<engine::RmdDivisors> divisors;
  platform::Message problem;
};

// Reads the uniform-lifetime table from the program's data folders.
UniformFill ReadUniformFill(const model::Program& program, int start_age);

// When table 0..2 holds no value at all, asks whether to fill it from the uniform-lifetime
// table for its start age, and fills it on Yes. True when the table was filled.
bool OfferToFillEmptyTable(EditorServices& services, int table);

// The offer for each table an account is assigned to; true when any table was filled.
bool OfferToFillAssignedEmptyTables(EditorServices& services);

// A new plan's three tables: they start at start_age and are filled from the uniform-lifetime
// table when "mort.dat" is found (else they keep their values until the user fills them).
void FillNewPlanRmdTables(model::Scenario& scenario, const model::Program& program, int start_age);

}  // namespace tarvel::ui
