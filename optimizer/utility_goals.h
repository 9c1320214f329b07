#pragma once
// The optimizer's default goal: every figure weighed as the ToA utility
// measure weighs one point of its bonus on an item, so the answer raises the
// total utility the main window shows.
#include <vector>

#include "optimizer/optimizer_request.h"

namespace qm {

std::vector<FigureGoal> UtilityGoals(int classIndex);

}  // namespace qm
