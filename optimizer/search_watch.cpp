#include "optimizer/search_watch.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qm {

double RelativeGap(double best, double bound) {
  return std::max(0.0, bound - best) / std::max(1.0, std::abs(bound));
}

void Announce(const SearchWatch& watch, OptimizerProgress progress) {
  const OptimizerRequest& request = *watch.Request;
  if (progress.Best) progress.Gap = RelativeGap(*progress.Best, progress.Bound);
  if (request.OnProgress) request.OnProgress(progress);
  if (!request.Progress) return;
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(OptimizerClock::now() - watch.Start);
  char line[128];
  if (progress.Best) {
    std::snprintf(line, sizeof line, "Best %.1f, bound %.1f, gap %.2f%%", *progress.Best,
                  progress.Bound, progress.Gap * 100);
  } else {
    std::snprintf(line, sizeof line, "Bound %.1f, no template yet", progress.Bound);
  }
  request.Progress(static_cast<std::uint64_t>(elapsed.count()),
                   static_cast<std::uint64_t>(request.TimeLimitSeconds * 1000), line);
}

void OnSearchEvent(glp_tree* tree, void* info) {
  auto& watch = *static_cast<SearchWatch*>(info);
  if (watch.Request->Cancel.Cancelled()) {
    watch.Cancelled = true;
    glp_ios_terminate(tree);
    return;
  }
  const int reason = glp_ios_reason(tree);
  if (reason == GLP_IHEUR && !watch.KnownColumns.empty()) {
    glp_ios_heur_sol(tree, watch.KnownColumns.data());
    watch.KnownColumns.clear();
  }
  if (reason != GLP_ISELECT && reason != GLP_IBINGO) return;
  if (const int node = glp_ios_best_node(tree); node != 0 && watch.NodeBoundsHold)
    watch.Bound = std::min(watch.Bound, glp_ios_node_bound(tree, node));
  const OptimizerClock::time_point now = OptimizerClock::now();
  if (reason == GLP_ISELECT && now - watch.LastReport < std::chrono::milliseconds(100)) return;
  watch.LastReport = now;
  OptimizerProgress progress;
  progress.Best = watch.Known;
  progress.Bound = watch.Bound;
  if (glp_ios_mip_gap(tree) != std::numeric_limits<double>::max())
    progress.Best = std::max(progress.Best.value_or(-std::numeric_limits<double>::infinity()),
                             glp_mip_obj_val(glp_ios_get_prob(tree)));
  Announce(watch, progress);
}

}  // namespace qm
