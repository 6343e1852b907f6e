#include "exec/ProtocolBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane {
namespace {

TEST(ProtocolBuffer, InsertsAtTheCaretAndMovesIt) {
  ProtocolBuffer p;
  p.displaytext("ac");
  p.setCursor(1);
  p.displaytext("b");
  EXPECT_EQ(p.text(), "abc");
  EXPECT_EQ(p.cursor(), 2);
  EXPECT_EQ(p.length(), 3);
}

TEST(ProtocolBuffer, BackspaceRemovesOneCharacterButNeverALineEnd) {
  ProtocolBuffer p;
  p.displaytext("x\r\nab");
  p.displaytext("\b");
  EXPECT_EQ(p.text(), "x\r\na");
  p.displaytext("\b");
  p.displaytext("\b");  // the character before the caret is now LF
  EXPECT_EQ(p.text(), "x\r\n");
  EXPECT_EQ(p.cursor(), 3);

  ProtocolBuffer empty;
  empty.displaytext("\b");
  EXPECT_EQ(empty.length(), 0);
}

TEST(ProtocolBuffer, IsEmptiedWhenAnAdditionFindsItAtTheLimit) {
  ProtocolBuffer p;
  p.displaytext(std::string(ProtocolBuffer::Limit - 1, 'x'));
  p.displaytext("y");  // 19999 characters: still appended
  EXPECT_EQ(p.length(), ProtocolBuffer::Limit);
  p.displaytext("z");  // 20000: emptied first
  EXPECT_EQ(p.text(), "z");
  EXPECT_EQ(p.cursor(), 1);
}

TEST(ProtocolBuffer, TellsItsViewWhatChanged) {
  struct Recorder : ProtocolView {
    void protocolChanged(const ProtocolBuffer&, ProtocolEdit edit, std::string_view text) override {
      log += std::to_string(static_cast<int>(edit)) + ":" + std::string(text) + ";";
    }
    std::string log;
  } view;
  ProtocolBuffer p;
  p.setView(&view);
  p.displaytext("ab");
  p.displaytext("\b");
  p.clear();
  EXPECT_EQ(view.log, "0:ab;1:;2:;");
}

}  // namespace
}  // namespace morvane
