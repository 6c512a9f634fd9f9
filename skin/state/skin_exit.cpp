// Module initialisation and the exit routine that releases the skin state.
#include <cstdlib>
#include <vector>

#include "skin/state/skin_state.h"

namespace {
// A namespace-scope table, built before main: it outlives an exit routine
// registered with atexit during the program's start.
std::vector<SkinExitStep> exitSteps;
bool exitRoutineRegistered = false;
}  // namespace

void InitSkinTables() {
  WindowRecords.clear();
  MenuRecords.clear();
  for (auto& list : ObjectLists) list.clear();
}

void AddSkinExitStep(SkinExitStep step) {
  if (step != nullptr) exitSteps.push_back(step);
}

void RegisterSkinExitRoutine() {
  if (exitRoutineRegistered) return;
  exitRoutineRegistered = true;
  std::atexit(ReleaseSkinState);
}

void ReleaseSkinState() {
  // Records whose frame was never torn down still own the colour brushes of
  // their controls.
  for (const auto& record : WindowRecords) {
    for (const auto& r : record->edits) DeleteCtlColorObjects(r->window);
    for (const auto& r : record->combos) DeleteCtlColorObjects(r->window);
    for (const auto& r : record->buttons) DeleteCtlColorObjects(r->window);
    for (const auto& r : record->lists) DeleteCtlColorObjects(r->window);
    for (const auto& r : record->labels) DeleteCtlColorObjects(r->hwnd);
  }
  // Dropping the records releases their DCs and bitmaps through the owners,
  // and their texts, buffers, nested lists and tooltip objects.
  RecordList<WindowRecord> records = std::move(WindowRecords);
  WindowRecords.clear();
  records.clear();
  MenuRecords.clear();
  for (auto& list : ObjectLists) list.clear();
  DefaultBackgroundImage.clear();
  DefaultBackgroundImage.shrink_to_fit();
  // What the memory-DC table still holds (composed backgrounds never
  // released).
  ReleaseAllRegisteredDcs();

  std::vector<SkinExitStep> steps = std::move(exitSteps);
  exitSteps.clear();
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) (*it)();
}
