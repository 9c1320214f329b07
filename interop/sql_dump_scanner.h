#pragma once
// Walks a MySQL dump row by row: the value lists of its INSERT and REPLACE
// statements, with the table and the column list each row belongs to. Other
// statements (SET, CREATE TABLE, comments) are passed over. Values stay views
// into the dump; a quoted value keeps its escapes until SqlText() reads it, so
// the many numbers of a row cost no copies.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct SqlValue {
  std::string_view Raw;  // inside the quotes for a quoted value, the bare token otherwise
  char Quote = 0;        // ' or " for a quoted value, 0 for a bare one
  bool Escaped = false;  // Raw holds a backslash escape or a doubled quote
  bool IsNull() const;
};

// The text of a value: escapes resolved; empty for NULL.
std::string SqlText(const SqlValue& value);
// The whole number a value holds (quoted or not); 0 for NULL, empty or not a number.
long long SqlNumber(const SqlValue& value);

enum class SqlStep {
  kRow,         // Values() holds one complete row
  kOversized,   // a row longer than the row limit: passed over, Values() empty
  kUnreadable,  // a row that is no value list; its statement is passed over
  kBrokenOff,   // the dump ends inside a row or a statement
  kEnd,         // the whole dump was read
};

class SqlDumpScanner {
 public:
  // Rows longer than maxRowBytes are passed over; a row keeps at most
  // maxValues values (the rest are counted, not kept).
  SqlDumpScanner(std::string_view text, std::size_t maxRowBytes, std::size_t maxValues);

  SqlStep Next();

  // The statement of the last row: its table (unquoted, without a database
  // prefix), its column list (empty when it names none) and a number that
  // changes with every statement.
  std::string_view Table() const { return table_; }
  const std::vector<std::string_view>& Columns() const { return columns_; }
  std::size_t Statement() const { return statement_; }

  const std::vector<SqlValue>& Values() const { return values_; }
  std::size_t ValueCount() const { return valueCount_; }  // kept or not
  std::size_t Offset() const { return pos_; }
  std::size_t RowStart() const { return rowStart_; }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  void SkipBlanksAndComments();
  void SkipStatement();
  void SkipQuoted();
  std::string_view Word();
  std::string_view Identifier();
  bool ReadInsertHead();
  SqlStep ReadRow();

  std::string_view text_;
  std::size_t maxRowBytes_;
  std::size_t maxValues_;
  std::size_t pos_ = 0;
  std::size_t rowStart_ = 0;
  bool inValues_ = false;
  std::string_view table_;
  std::vector<std::string_view> columns_;
  std::size_t statement_ = 0;
  std::vector<SqlValue> values_;
  std::size_t valueCount_ = 0;
};

}  // namespace qm
