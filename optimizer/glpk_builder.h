#pragma once
// Assembling a GLPK problem a column and a row at a time, with the bounds
// said as numbers (infinity for none) rather than GLPK's bound kinds.
#include <glpk.h>

#include <limits>
#include <vector>

namespace qm {

// One row of the matrix being assembled: coefficients by column.
struct Row {
  std::vector<int> Columns;
  std::vector<double> Coefficients;
  void Add(int column, double coefficient) {
    if (coefficient == 0) return;
    Columns.push_back(column);
    Coefficients.push_back(coefficient);
  }
};

class ProblemBuilder {
 public:
  explicit ProblemBuilder(glp_prob* prob) : prob_(prob) {}

  int Column(double lower, double upper, int kind, double objective) {
    const int column = glp_add_cols(prob_, 1);
    const int type = lower == -kInf && upper == kInf ? GLP_FR
                     : upper == kInf                 ? GLP_LO
                     : lower == -kInf                ? GLP_UP
                     : lower == upper                ? GLP_FX
                                                     : GLP_DB;
    glp_set_col_bnds(prob_, column, type, lower == -kInf ? 0 : lower, upper == kInf ? 0 : upper);
    glp_set_col_kind(prob_, column, kind);
    glp_set_obj_coef(prob_, column, objective);
    return column;
  }
  int Binary() { return Column(0, 1, GLP_BV, 0); }

  // The new row's number, or 0 when the row has no coefficient and is not made.
  int UpperRow(const Row& row, double upper) { return AddRow(row, GLP_UP, 0, upper); }
  int LowerRow(const Row& row, double lower) { return AddRow(row, GLP_LO, lower, 0); }

  // A column with its coefficients given by row: entries.Columns holds row numbers.
  int ColumnIn(const Row& entries, double lower, double upper, int kind, double objective) {
    const int column = Column(lower, upper, kind, objective);
    std::vector<int> rows{0};
    std::vector<double> values{0};
    rows.insert(rows.end(), entries.Columns.begin(), entries.Columns.end());
    values.insert(values.end(), entries.Coefficients.begin(), entries.Coefficients.end());
    glp_set_mat_col(prob_, column, static_cast<int>(entries.Columns.size()), rows.data(),
                    values.data());
    return column;
  }

  static constexpr double kInf = std::numeric_limits<double>::infinity();

 private:
  int AddRow(const Row& row, int type, double lower, double upper) {
    if (row.Columns.empty()) return 0;
    const int index = glp_add_rows(prob_, 1);
    glp_set_row_bnds(prob_, index, type, lower, upper);
    // GLPK reads both arrays from position 1.
    std::vector<int> columns{0};
    std::vector<double> values{0};
    columns.insert(columns.end(), row.Columns.begin(), row.Columns.end());
    values.insert(values.end(), row.Coefficients.begin(), row.Coefficients.end());
    glp_set_mat_row(prob_, index, static_cast<int>(row.Columns.size()), columns.data(),
                    values.data());
    return index;
  }

  glp_prob* prob_;
};

}  // namespace qm
