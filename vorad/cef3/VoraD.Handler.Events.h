#pragma once
// The optional events of the process-level handlers. Each handler lists its events once, as
// X(type, name); from that list its interface gets a getter and a setter per event
// (Get<name>, Set<name>), the handler a field F<name> behind them, and TVoraDApp the property
// of the same name that reads and writes it.
#include <utility>

#define VORAD_EVENT_ACCESSORS(Type, Name) \
  virtual Type Get##Name() const = 0;     \
  virtual void Set##Name(Type v) = 0;
#define VORAD_EVENT_SLOT(Type, Name)                  \
  Type Get##Name() const override { return F##Name; } \
  void Set##Name(Type v) override { F##Name = std::move(v); }
#define VORAD_EVENT_FIELD(Type, Name) Type F##Name;

// Raises an event whose last argument is its answer (its Cancel): false unless the event sets it.
template <class Event, class... Args>
bool RaiseForAnswer(const Event& event, Args&&... args) {
  bool answer = false;
  if (event) event(std::forward<Args>(args)..., answer);
  return answer;
}
