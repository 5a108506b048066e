#!/usr/bin/env python3
"""Writes bench/data/largest.json: the largest plan the planner accepts (50 accounts of every
type, 150 events of every kind, 99 years), built from the every-kind plan's events."""
import copy
import json
import pathlib

HERE = pathlib.Path(__file__).resolve().parent.parent / "data"
START_AGE, END_AGE = 21, 120
TYPES = ["Investment", "Retirement", "TaxFree", "Equity", "Asset"]
RATES = {"Investment": (5.5, -15, 25), "Retirement": (6, -12, 22), "TaxFree": (6.5, -15, 25),
         "Equity": (3, -5, 8), "Asset": (-10, -20, -5)}


def accounts():
    result = []
    for i in range(50):
        kind = TYPES[i % 5]
        rate, low, high = RATES[kind]
        account = {"name": f"{kind} {i // 5 + 1}", "type": kind,
                   "initial_amount": 0 if kind in ("Equity", "Asset") else 40000 + 5000 * i,
                   "yearly_rate": rate, "access_order": str(i + 1) if kind not in ("Equity", "Asset") else "9",
                   "random_min_rate": low, "random_max_rate": high, "group": i % 5,
                   "standard_deviation": (high - low) / 3}
        if kind in ("Retirement", "TaxFree"):
            account["penalty_flag"] = 1
        if kind == "Retirement":
            account["rmd_table"] = 10
        if kind == "Investment":
            account["dividend_percent"] = 1.5
            account["dividend_deposit_account"] = "Investment 1"
        result.append(account)
    return result


def name(kind, block):
    return f"{kind} {block % 10 + 1}"


def shifted(event, offset):
    for key in ("start_age", "end_age", "sell_age"):
        if key in event:
            event[key] = min(END_AGE, event[key] + offset)
    return event


def block_events(template, block, first_number):
    """The every-kind events moved `block` steps along the ages and onto the block's accounts."""
    offset = (block * 7) % 45 - 29
    events = []
    for source in template:
        event = shifted(copy.deepcopy(source), offset)
        for key, value in list(event.items()):
            if value in ("Checking", "Brokerage"):
                event[key] = name("Investment", block)
            elif value in ("Traditional IRA", "401(k)"):
                event[key] = name("Retirement", block)
            elif value == "Home":
                event[key] = name("Equity", block)
            elif value == "Truck":
                event[key] = name("Asset", block)
        if "mortgage_link" in event:
            event["mortgage_link"] = first_number + 2
        event["description"] = f"{event['description'][:40]} {block + 1}"
        events.append(event)
    return events


def main():
    every_kind = json.loads((HERE / "every-kind.json").read_text())
    template = every_kind["events"]
    events = []
    block = 0
    while len(events) < 150:
        events += block_events(template, block, len(events) + 1)
        block += 1
    events = events[:150]
    plan = {
        "initial": {"start_age": START_AGE, "end_age": END_AGE, "birth_month": 6,
                    "birth_day": 15, "inflation_rate": 2.5, "tax_rate": 22,
                    "dividend_tax_rate": 15},
        "accounts": accounts(),
        "account_options": every_kind["account_options"],
        "groups": {"names": ["Stocks", "Bonds", "Cash", "Property", "Vehicles"],
                   "random_min_rate": [-15, 1, 0, -5, -20], "random_max_rate": [25, 6, 2, 8, -10],
                   "random_method": 0, "range_factor": 2, "deviation_factor": 1},
        "settings": dict(every_kind["settings"], rmd_transfer_account="Investment 2"),
        "events": events,
        "budgets": [dict(every_kind["budgets"][0], account="Investment 1", start_age=40,
                         end_age=END_AGE)],
    }
    (HERE / "largest.json").write_text(json.dumps(plan, indent=1) + "\n")


if __name__ == "__main__":
    main()
