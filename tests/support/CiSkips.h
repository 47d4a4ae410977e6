// Under CI=true a skipped test is a failure: a green run must have run every
// part. A developer's machine may lack a tool; CI's may not.
#pragma once

namespace testsupport {

// RUN_ALL_TESTS()'s result, turned into a failure (1) under CI=true when any
// test skipped; names each skipped test and why on standard error.
int FailSkipsInCi(int result);

}  // namespace testsupport
