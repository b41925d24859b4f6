/* A stand-in for the system's Simple MAPI library, for tests: MAPISendMail writes what it was given to
   the file named by the environment variable MAPISTUB_LOG (one "key=value" line each) and returns the
   number in MAPISTUB_RESULT (0 when unset). Built with MAPISTUB_WITHOUT_SEND it exports no
   MAPISendMail, like a library that is not a mail system. */
#include <windows.h>
#include <mapi.h>

#include <stdio.h>
#include <stdlib.h>

#ifndef MAPISTUB_WITHOUT_SEND

static void WriteLine(FILE* log, const char* key, const char* value) {
    fprintf(log, "%s=%s\n", key, value != NULL ? value : "(null)");
}

static void WriteNumber(FILE* log, const char* key, long value) {
    fprintf(log, "%s=%ld\n", key, value);
}

ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR uiParam, lpMapiMessage message, FLAGS flags,
                          ULONG reserved) {
    char logPath[MAX_PATH] = "";
    char resultText[32] = "";
    ULONG i;
    FILE* log;
    (void)session;
    (void)reserved;
    GetEnvironmentVariableA("MAPISTUB_LOG", logPath, MAX_PATH);
    GetEnvironmentVariableA("MAPISTUB_RESULT", resultText, sizeof resultText);
    log = logPath[0] != '\0' ? fopen(logPath, "w") : NULL;
    if (log != NULL) {
        WriteNumber(log, "flags", (long)flags);
        WriteNumber(log, "owner", uiParam != 0 ? 1 : 0);
        WriteNumber(log, "owner.enabled", uiParam != 0 ? (long)IsWindowEnabled((HWND)uiParam) : -1);
        WriteLine(log, "subject", message->lpszSubject);
        WriteLine(log, "note", message->lpszNoteText);
        WriteNumber(log, "files", (long)message->nFileCount);
        for (i = 0; i < message->nFileCount; ++i) {
            WriteLine(log, "file.path", message->lpFiles[i].lpszPathName);
            WriteLine(log, "file.name", message->lpFiles[i].lpszFileName);
            WriteNumber(log, "file.position", (long)message->lpFiles[i].nPosition);
        }
        WriteNumber(log, "recipients", (long)message->nRecipCount);
        for (i = 0; i < message->nRecipCount; ++i) {
            WriteNumber(log, "recipient.class", (long)message->lpRecips[i].ulRecipClass);
            WriteLine(log, "recipient.name", message->lpRecips[i].lpszName);
        }
        fclose(log);
    }
    return (ULONG)strtoul(resultText, NULL, 10);
}

#else

/* Something to export, so that the library loads like any other. */
ULONG WINAPI MAPIStubVersion(void) {
    return 1;
}

#endif
