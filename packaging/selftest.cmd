@echo off
rem Tessaro self-test: runs every Windows test of Tessaro against the Tessaro.exe in this
rem folder and writes selftest-<date>-<time>\ (report.txt and screenshots) beside this file.
rem Exits 0 only when every test passed. Needs no administrator rights and no network.
setlocal
"%~dp0tests\selftest.exe"
set status=%ERRORLEVEL%
rem Started by a double-click (Explorer runs "cmd /c" with this file): keep the window open.
rem Not on a CI runner, where no one would press a key.
if defined CI goto done
echo %CMDCMDLINE% | find /i "%~nx0" >nul && pause
:done
exit /b %status%
