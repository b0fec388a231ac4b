// Document locks: a lock still held when the plug-in's call returns is an audit fault, and a
// refused lock is the host's eLockViolation.
#include "acad/acdocman.h"
#include "acad/acedcmd.h"
#include "sim/fault_points.h"
#include "support/host_fixture.h"

namespace vexa::test {
namespace {

Acad::ErrorStatus lastLock = Acad::eOk;

void lockAndLeave() { lastLock = acDocManager->lockDocument(curDoc(), AcAp::kWrite, nullptr, nullptr, true); }

void lockAndUnlock() {
    lastLock = acDocManager->lockDocument(curDoc());
    if (lastLock == Acad::eOk) lastLock = acDocManager->unlockDocument(curDoc());
}

class DocumentLockTest : public HostTest {
protected:
    void SetUp() override {
        acedRegCmds()->addCommand(L"LOCKS", L"LockLeft", L"LockLeft", ACRX_CMD_MODAL, lockAndLeave);
        acedRegCmds()->addCommand(L"LOCKS", L"LockBoth", L"LockBoth", ACRX_CMD_MODAL, lockAndUnlock);
    }
    void TearDown() override {
        acedRegCmds()->removeGroup(L"LOCKS");
        HostTest::TearDown();
    }
};

TEST_F(DocumentLockTest, ALockLeftHeldIsAFaultAndAnUnlockedOneIsNot) {
    eval(L"(command \"LockBoth\")");
    EXPECT_EQ(lastLock, Acad::eOk);
    EXPECT_TRUE(host.audit().take().empty());
    eval(L"(command \"LockLeft\")");
    EXPECT_EQ(lastLock, Acad::eOk);
    const std::vector<std::wstring> faults = host.audit().take();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], L"command LockLeft left 1 document lock(s) held");
    EXPECT_EQ(acDocManager->unlockDocument(curDoc()), Acad::eOk);
    EXPECT_EQ(acDocManager->unlockDocument(curDoc()), Acad::eInvalidInput);  // no lock left to undo
    EXPECT_EQ(acDocManager->lockDocument(nullptr), Acad::eInvalidInput);
}

TEST_F(DocumentLockTest, ARefusedLockIsALockViolationAndHoldsNothing) {
    sim::armFault(host, L"lockDocument");
    eval(L"(command \"LockBoth\")");
    EXPECT_EQ(lastLock, Acad::eLockViolation);
    EXPECT_EQ(host.documents().lockCount(), 0u);
}

}  // namespace
}  // namespace vexa::test
