@echo off
rem Tessaro self-test: runs every Windows test of Tessaro against the Tessaro.exe in this
rem folder and writes selftest-<date>-<time>\ (report.txt and screenshots) beside this file.
rem Exits 0 only when every test passed. Needs no administrator rights and no network.
setlocal
rem Opened inside the zip, Explorer extracts this file alone.
if exist "%~dp0tests\selftest.exe" goto run
echo The test programs are missing. Extract the whole zip first (right-click, Extract All),
echo then run selftest.cmd in the extracted folder.
set status=2
goto end
:run
"%~dp0tests\selftest.exe"
set status=%ERRORLEVEL%
:end
rem Started by a double-click (Explorer runs "cmd /c" with this file): keep the window open.
rem Not on a CI runner, where no one would press a key.
rem The command line is read with delayed expansion, so that a path holding & or ) stays text.
if defined CI goto done
setlocal EnableDelayedExpansion
if /i not "!CMDCMDLINE:%~nx0=!"=="!CMDCMDLINE!" pause
:done
exit /b %status%
