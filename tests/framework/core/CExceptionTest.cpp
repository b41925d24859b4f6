// Exceptions: the exception macros' ownership rules, error texts and the mapping of system errors.
#include "framework/core/CArchiveException.h"
#include "framework/core/CDBException.h"
#include "framework/core/CFileException.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/core/CResourceException.h"
#include "framework/core/CUserException.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

// Counts live instances, so a test sees whether a handler deleted the exception.
class CCountedException : public CException {
public:
    CCountedException() { ++s_live; }
    ~CCountedException() override { --s_live; }
    static inline int s_live = 0;
};

std::string Message(const CException& e) {
    char text[512];
    const BOOL got = e.GetErrorMessage(text, sizeof text);
    return got ? std::string(text) : std::string("<none:") + text + ">";
}

} // namespace

TEST(ExceptionMacros, CatchDeletesTheExceptionAtTheEndOfTheHandler) {
    bool handled = false;
    TRY {
        throw new CCountedException;
    }
    CATCH(CCountedException, e) {
        EXPECT_EQ(CCountedException::s_live, 1);
        handled = e != nullptr;
    }
    END_CATCH
    EXPECT_TRUE(handled);
    EXPECT_EQ(CCountedException::s_live, 0);
}

TEST(ExceptionMacros, ThrowLastPassesTheSameObjectOnUndeleted) {
    CException* outer = nullptr;
    CException* inner = nullptr;
    try {
        TRY {
            THROW(new CCountedException);
        }
        CATCH(CException, e) {
            inner = e;
            THROW_LAST();
        }
        END_CATCH
    } catch (CException* e) {
        outer = e;
        EXPECT_EQ(CCountedException::s_live, 1);
        e->Delete();
    }
    EXPECT_EQ(outer, inner);
    EXPECT_NE(outer, nullptr);
    EXPECT_EQ(CCountedException::s_live, 0);
}

TEST(ExceptionMacros, AndCatchSelectsTheHandlerByClass) {
    const auto handlerFor = [](auto throwIt) {
        int handler = 0;
        TRY {
            throwIt();
        }
        CATCH(CFileException, e) {
            handler = e->m_cause == CFileException::diskFull ? 1 : -1;
        }
        AND_CATCH(CArchiveException, e) {
            handler = e->m_cause == CArchiveException::badClass ? 2 : -2;
        }
        AND_CATCH_ALL(e) {
            handler = e->IsKindOf(RUNTIME_CLASS(CUserException)) ? 3 : -3;
        }
        END_CATCH_ALL
        return handler;
    };
    EXPECT_EQ(handlerFor([] { AfxThrowFileException(CFileException::diskFull); }), 1);
    EXPECT_EQ(handlerFor([] { AfxThrowArchiveException(CArchiveException::badClass); }), 2);
    EXPECT_EQ(handlerFor([] { AfxThrowUserException(); }), 3);
}

TEST(CException, DeleteLeavesAnExceptionThatIsNotAutoDeleted) {
    {
        CCountedException onStack;
        onStack.m_bAutoDelete = FALSE;
        onStack.Delete();
        EXPECT_EQ(CCountedException::s_live, 1);
    }
    EXPECT_EQ(CCountedException::s_live, 0);
}

TEST(CMemoryException, IsThrownWithoutAllocatingAndSurvivesDelete) {
    CMemoryException* first = nullptr;
    CMemoryException* second = nullptr;
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        first = e;
        e->Delete();
    }
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        second = e;
        e->Delete();
    }
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(Message(*first), "Out of memory.");
}

TEST(CException, ThrowHelpersThrowTheirClassOnTheHeap) {
    const auto classOf = [](auto throwIt) -> const CRuntimeClass* {
        try {
            throwIt();
        } catch (CException* e) {
            const CRuntimeClass* c = e->GetRuntimeClass();
            EXPECT_TRUE(e->m_bAutoDelete);
            e->Delete();
            return c;
        }
        return nullptr;
    };
    EXPECT_EQ(classOf([] { AfxThrowNotSupportedException(); }), RUNTIME_CLASS(CNotSupportedException));
    EXPECT_EQ(classOf([] { AfxThrowUserException(); }), RUNTIME_CLASS(CUserException));
    EXPECT_EQ(classOf([] { AfxThrowResourceException(); }), RUNTIME_CLASS(CResourceException));
    EXPECT_EQ(classOf([] { AfxThrowFileException(CFileException::badSeek); }), RUNTIME_CLASS(CFileException));
    EXPECT_EQ(classOf([] { AfxThrowArchiveException(CArchiveException::badIndex); }),
              RUNTIME_CLASS(CArchiveException));
    EXPECT_EQ(classOf([] { CFileException::ThrowOsError(ERROR_ACCESS_DENIED, "x"); }),
              RUNTIME_CLASS(CFileException));
}

TEST(CFileException, ThrowersKeepCauseErrorAndName) {
    try {
        AfxThrowFileException(CFileException::sharingViolation, ERROR_SHARING_VIOLATION, "C:\\data\\a.tlg");
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::sharingViolation);
        EXPECT_EQ(e->m_lOsError, ERROR_SHARING_VIOLATION);
        EXPECT_STREQ(e->m_strFileName, "C:\\data\\a.tlg");
        e->Delete();
    }
    try {
        CFileException::ThrowOsError(ERROR_PATH_NOT_FOUND, "C:\\nope\\b.tlg");
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::badPath);
        EXPECT_EQ(e->m_lOsError, ERROR_PATH_NOT_FOUND);
        EXPECT_STREQ(e->m_strFileName, "C:\\nope\\b.tlg");
        e->Delete();
    }
    try {
        CFileException::ThrowErrno(ENOSPC, "c.txt");
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::diskFull);
        EXPECT_EQ(e->m_lOsError, ENOSPC);
        e->Delete();
    }
}

TEST(CFileException, MapsSystemErrorsToCauses) {
    const struct {
        LONG error;
        int cause;
    } cases[] = {
        {NO_ERROR, CFileException::none},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_INVALID_NAME, CFileException::badPath},
        {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_WRITE_PROTECT, CFileException::accessDenied},
        {ERROR_INVALID_HANDLE, CFileException::invalidFile},
        {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
        {ERROR_CANNOT_MAKE, CFileException::directoryFull},
        {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_CRC, CFileException::hardIO},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_NOT_ENOUGH_MEMORY, CFileException::genericException},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFileException::OsErrorToException(c.error), c.cause) << "error " << c.error;

    const struct {
        int err;
        int cause;
    } errnos[] = {
        {ENOENT, CFileException::fileNotFound},     {EACCES, CFileException::accessDenied},
        {EMFILE, CFileException::tooManyOpenFiles}, {ENOSPC, CFileException::diskFull},
        {EBADF, CFileException::invalidFile},       {EINVAL, CFileException::genericException},
    };
    for (const auto& c : errnos)
        EXPECT_EQ(CFileException::ErrnoToException(c.err), c.cause) << "errno " << c.err;
}

TEST(CFileException, ErrorTextNamesTheFile) {
    EXPECT_EQ(Message(CFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "C:\\x\\Book.tlg")),
              "C:\\x\\Book.tlg was not found.");
    EXPECT_EQ(Message(CFileException(CFileException::accessDenied, 5, "C:\\x\\Book.tlg")),
              "Access to C:\\x\\Book.tlg was denied.");
    EXPECT_EQ(Message(CFileException(CFileException::fileNotFound)), "An unnamed file was not found.");
    EXPECT_EQ(Message(CFileException(CFileException::diskFull)),
              "The disk is full while writing an unnamed file.");
    EXPECT_EQ(Message(CFileException(CFileException::none)), "<none:>");

    CFileException cleared(CFileException::badPath, 3, "a");
    cleared.Clear();
    EXPECT_EQ(cleared.m_cause, CFileException::none);
    EXPECT_EQ(cleared.m_lOsError, -1);
    EXPECT_TRUE(cleared.m_strFileName.IsEmpty());
}

TEST(CException, ErrorTextIsTruncatedToTheBufferAndTerminated) {
    const CFileException e(CFileException::fileNotFound, 2, "C:\\folder\\document.tlg");
    char small[8];
    std::memset(small, 'x', sizeof small);
    EXPECT_TRUE(e.GetErrorMessage(small, sizeof small));
    EXPECT_STREQ(small, "C:\\fold");
    UINT help = 99;
    char text[64];
    EXPECT_TRUE(e.GetErrorMessage(text, sizeof text, &help));
    EXPECT_EQ(help, 0u);
    EXPECT_FALSE(e.GetErrorMessage(text, 0));
}

TEST(CArchiveException, ErrorTextPerCause) {
    EXPECT_EQ(Message(CArchiveException(CArchiveException::badSchema, "C:\\x\\Book.tlg")),
              "C:\\x\\Book.tlg contains an unsupported version of an object.");
    EXPECT_EQ(Message(CArchiveException(CArchiveException::endOfFile)), "The data ended unexpectedly.");
    EXPECT_EQ(Message(CArchiveException(CArchiveException::none)), "<none:>");
    const CArchiveException e(CArchiveException::badClass, "f.dat");
    EXPECT_EQ(e.m_cause, CArchiveException::badClass);
    EXPECT_STREQ(e.m_strFileName, "f.dat");
}

TEST(CDBException, ErrorTextIsTheDriverText) {
    CDBException e(-1);
    EXPECT_EQ(Message(e), "<none:>");
    e.m_strError = "Table not found";
    e.m_strStateNativeOrigin = "State:42S02,Native:1,Origin:[SQLite]";
    EXPECT_EQ(Message(e), "Table not found");
    EXPECT_EQ(e.m_nRetCode, -1);
}

TEST(CUserException, HasNoText) {
    EXPECT_EQ(Message(CUserException()), "<none:>");
}
