#pragma once
// gtest for every test here, so that Qt values print the same readable way in all failures.
#include <gtest/gtest.h>

#include "support/qstring_print.h"
