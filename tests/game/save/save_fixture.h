// A running game object on the windowless host, in a folder of its own so that the
// state file each test writes never meets another test's.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "game/shell/my_app.h"
#include "host/headless_game.h"

class SavedGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/tj-save-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    host = new ZrHeadlessGame;
    app = (new c_MyApp)->m_new();
  }

  std::string stateFile() {
    std::ifstream file(".quillostate");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  void writeStateFile(const std::string& text) { std::ofstream(".quillostate", std::ios::binary) << text; }

  // Loads and returns what the load printed.
  std::string load() {
    ::testing::internal::CaptureStdout();
    app->p_Load();
    return ::testing::internal::GetCapturedStdout();
  }

  ZrHeadlessGame* host = nullptr;
  c_MyApp* app = nullptr;
};
