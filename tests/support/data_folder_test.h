#pragma once
// A test fixture with a temporary data folder and a way to run one committed action in it.

#include <gtest/gtest.h>

#include "store/action.h"
#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::testing {

class DataFolderTest : public ::testing::Test {
protected:
    // Runs `body` in one committed action.
    template <typename Body>
    void act(Body body) {
        store::Action action(dir);
        body(action);
        action.commit();
    }

    TempFolder folder;
    store::DataDir dir{folder.path()};
};

}  // namespace tallyvex::testing
