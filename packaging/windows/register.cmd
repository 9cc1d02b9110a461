@echo off
rem register.cmd [/u]: registers (with /u: removes) the QVIBWInfo shell extension built for this
rem Windows - x64\QVIBWInfo.dll for the 64-bit Explorer of 64-bit Windows, x86\QVIBWInfo.dll on
rem 32-bit Windows - with regsvr32, asking for administrator rights first.
setlocal
set "mode="
if /i "%~1"=="/u" set "mode=/u"

rem A 32-bit prompt on 64-bit Windows sees PROCESSOR_ARCHITEW6432 and reaches the 64-bit
rem regsvr32 only through Sysnative.
set "arch=%PROCESSOR_ARCHITECTURE%"
if defined PROCESSOR_ARCHITEW6432 set "arch=%PROCESSOR_ARCHITEW6432%"
set "regsvr=%SystemRoot%\System32\regsvr32.exe"
if defined PROCESSOR_ARCHITEW6432 set "regsvr=%SystemRoot%\Sysnative\regsvr32.exe"
if /i "%arch%"=="AMD64" (
    set "dll=%~dp0x64\QVIBWInfo.dll"
) else if /i "%arch%"=="x86" (
    set "dll=%~dp0x86\QVIBWInfo.dll"
) else (
    echo QVIBWInfo has no build for %arch% Windows.
    exit /b 1
)
if not exist "%dll%" (
    echo "%dll%" is missing.
    exit /b 1
)

rem The registration writes HKEY_CLASSES_ROOT, which needs an elevated prompt.
net session >nul 2>&1
if errorlevel 1 goto elevate
"%regsvr%" %mode% "%dll%"
exit /b %errorlevel%

:elevate
set "arguments="
if defined mode set "arguments=-ArgumentList '/u'"
powershell -NoProfile -ExecutionPolicy Bypass -Command "Start-Process -FilePath '%~f0' %arguments% -Verb RunAs -Wait"
exit /b %errorlevel%
