#pragma once
// A bot whose program directory is a fresh folder, with helpers to put list
// files there and read them back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "TestWorld.h"

namespace quorvel {

class ProgramDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("quorvel-start-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    world.bot.programDir = dir;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  void Write(const std::string& name, const std::string& content) {
    std::filesystem::create_directories((dir / name).parent_path());
    std::ofstream(dir / name, std::ios::binary) << content;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
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
  std::filesystem::path dir;
};

}  // namespace quorvel
