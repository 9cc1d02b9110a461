@echo off
rem unregister.cmd: removes the QVIBWInfo shell extension that register.cmd registered.
call "%~dp0register.cmd" /u
exit /b %errorlevel%
