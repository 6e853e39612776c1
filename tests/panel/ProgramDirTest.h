#pragma once
// A bot whose program directory is a fresh folder, with helpers to put list
// files there and read them back.
#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDir.h"
#include "TestWorld.h"

namespace quorvel {

class ProgramDirTest : public ::testing::Test {
 protected:
  void SetUp() override { world.bot.programDir = dir; }
  void Write(const std::string& name, const std::string& content) { scratch.Write(name, content); }
  std::string Read(const std::string& name) { return scratch.Read(name); }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    while (SimEvent* e = world.events.Consume(EventKind::MsgBox)) texts.push_back(e->Text);
    return texts;
  }
  void WriteAllLists() {
    for (const char* name : {"words.txt", "admins.txt", "nicks.txt", "codes.txt", "aun.txt", "aur.txt", "mes.txt",
                             "ans.txt", "dlist.txt", "dlistd.txt", "ans3.txt"})
      Write(name, std::string(name) + "\r\n");
  }
  testing::TestWorld world;
  testing::ScratchDir scratch{"quorvel-start"};
  std::filesystem::path dir = scratch.Dir();
};

}  // namespace quorvel
