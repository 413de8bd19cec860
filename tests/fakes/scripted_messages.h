// The interface messages of a test: a scripted UI that records every box, empty or
// filled text tables, and the UI language the messages speak.
#pragma once

#include "fakes/scripted_ui.h"
#include "store/messages.h"
#include "store/text_tables.h"

namespace dovevar {

struct ScriptedMessages {
  explicit ScriptedMessages(int startLanguage = kEnglish) : language(startLanguage) {}

  ScriptedUi ui;
  TextTables texts;
  int language;
  Messages messages{ui, texts, language};
};

}  // namespace dovevar
