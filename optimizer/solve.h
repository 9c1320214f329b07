#pragma once
// The optimizer: the model solved exactly by GLPK's branch and cut within the
// time limit, the answer turned back into a template and checked against the
// totals engine before anyone sees it.
#include <string>
#include <vector>

#include "optimizer/model.h"
#include "ports/job.h"
#include "spellcraft/spellcraft_state.h"

namespace qm {

// A spellcrafted piece of the answer, as the workbench would show it.
struct CraftedDesign {
  int Slot = 0;
  std::vector<TSpellcraftGem> Gems;  // the gems that hold a bonus
  double Charge = 0;                 // imbue points, the highest gem counted twice, halved
  int Capacity = 0;
};

// A minimum no template of the request reaches: Best is the most the figure
// reaches on its own. The answer is then the best template without it.
struct UnmetMinimum {
  std::string Figure;
  int Minimum = 0;
  int Best = 0;
};

struct OptimizerResult {
  TTemplateRecord Template{};
  double Objective = 0;  // recomputed from Template by Objective()
  double Bound = 0;      // no template of the request does better
  double Gap = 0;        // (Bound - Objective) / max(1, |Bound|)
  bool Optimal = false;  // proven: the search ended with no gap
  bool Stopped = false;  // cancelled or out of time before the proof
  double Seconds = 0;
  std::vector<CraftedDesign> Crafted;
  std::vector<double> Weights;  // per figure, in CappedFigures' order
  std::vector<UnmetMinimum> Unmet;
};

// How the model is put to GLPK; the defaults are the fastest measured.
struct ModelVariant {
  bool OrderPieces = false;  // identical pieces take their designs in order of worth
  bool GreedyStart = false;  // the search starts from the greedy template
  bool Cuts = false;         // GLPK's cover, clique, MIR and Gomory cuts
  bool Heuristics = true;    // GLPK's feasibility pump and proximity search
  // Each piece chosen as a whole design, designs generated as needed and
  // counted over identical pieces (else one binary per gem tier of each piece).
  bool WholeDesigns = true;
};

// A fill order is searched one figure after another (see OptimizerRequest),
// the time limit shared between the searches; the answer is proven only when
// every search was. Finished with the best template found (Optimal or Stopped saying how good it
// is); Cancelled when stopped before any template was found; Failed with a
// one-line message for a request that is wrong, for minimums that can each
// be met but not together, and for an answer the totals engine does not
// confirm. Minimums no template reaches are named in Unmet with the most
// their figures reach, and the answer is the best template without them.
JobOutcome<OptimizerResult> Optimize(const OptimizerRequest& request, ModelVariant variant = {});

// "Hit Points at least 200 cannot be met: at best 180."
std::string UnmetText(const UnmetMinimum& unmet);

// The objective of a template for the request's goal, as the answer's check
// computes it.
double RequestObjective(const OptimizerRequest& request, const TTemplateRecord& tpl);

}  // namespace qm
