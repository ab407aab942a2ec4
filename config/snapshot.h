#pragma once
// Snapshots of what the catalogue's service keys hold, as registry files the editor imports back.
#include <string>
#include <vector>

#include "base/hidden_state.h"
#include "base/page_host.h"
#include "config/reg_sections.h"
#include "platform/registry_access.h"

namespace qlmr {

enum class SnapshotKind {
    StartTypes,     // "Start" of every key that has one
    Descriptions,   // "Description" and "DisplayName" of every key that has a description
};

// What keeps a description snapshot from taking the shipped replacement texts for originals:
// a value that equals its replacement is recorded as the earlier snapshot has it.
struct DescriptionHistory {
    std::map<std::string, ServiceTexts, NoCaseLess> replacement, previous;
};

// The lines of a snapshot, header included. systemNames and displayNames are the catalogue's
// index-aligned lists; a missing display name is empty. Keys are opened, never created: a
// service that is not installed yields no group. Every installed key yields a description
// group, a missing value recorded as removed. Read errors of a value propagate.
std::vector<std::string> snapshotLines(const std::vector<std::string>& systemNames,
                                       const std::vector<std::string>& displayNames, Registry& registry,
                                       SnapshotKind kind, const DescriptionHistory& history = {});

// The file: the lines each ended by CR LF, in the ANSI code page where every letter fits.
std::string snapshotBytes(const std::vector<std::string>& lines);

// The three snapshots the program takes into Baze\Regz\, each with its two log lines; the
// lines written stay in the state's RegReadListBox.
void saveInitialStartTypes(HiddenState& state, PageHost& host);   // InitialAstState.reg
void saveCurrentStartTypes(HiddenState& state, PageHost& host);   // CurrentAstState.reg
void saveDescriptions(HiddenState& state, PageHost& host);        // InitialDescription.reg

}  // namespace qlmr
