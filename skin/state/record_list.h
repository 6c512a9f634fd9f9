// The growable record lists of the skin state, counted from 1.
//
// A list holds its records by pointer, so a record keeps its address while
// the list grows (a skin procedure may hold a reference across a nested
// message that registers another control). Index 0 means none; an index is
// valid when it is at least 1 and at most the length.
#pragma once

#include <memory>
#include <vector>

template <class T>
using RecordList = std::vector<std::unique_ptr<T>>;

template <class T>
int ListLength(const RecordList<T>& list) {
  return static_cast<int>(list.size());
}

template <class T>
bool IsValidIndex(const RecordList<T>& list, int index) {
  return index >= 1 && index <= ListLength(list);
}

// The record at a 1-based index, or nullptr when the index is not valid.
template <class T>
T* RecordAt(const RecordList<T>& list, int index) {
  return IsValidIndex(list, index) ? list[index - 1].get() : nullptr;
}

// Grows the list by one zero-filled record; returns its index (the new length).
template <class T>
int AppendRecord(RecordList<T>& list) {
  list.push_back(std::make_unique<T>());
  return ListLength(list);
}

// A list created holding one zero-filled record.
template <class T>
RecordList<T> ListWithEmptyRecord() {
  RecordList<T> list;
  AppendRecord(list);
  return list;
}

// The registration rule of every list: while the list holds exactly one
// record and that record's window is still 0 (the empty record it was
// created with), that record is taken afresh as index 1; otherwise a
// zero-filled record is appended. Returns the index of the record to fill.
// windowOf reads the record's window handle.
template <class T, class WindowOf>
int TakeRecord(RecordList<T>& list, WindowOf windowOf) {
  if (list.size() == 1 && windowOf(*list[0]) == 0) {
    list[0] = std::make_unique<T>();
    return 1;
  }
  return AppendRecord(list);
}
