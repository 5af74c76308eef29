-- Tables of the log database, as the console reads them.
CREATE DATABASE IF NOT EXISTS talkbacklog CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;
USE talkbacklog;

CREATE TABLE IF NOT EXISTS talklog_bak (
    id          INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    begin_time  BIGINT NOT NULL DEFAULT 0,
    end_time    BIGINT NOT NULL DEFAULT 0,
    callerId    INT NOT NULL DEFAULT 0,
    calledId    INT NOT NULL DEFAULT 0,
    callerName  VARCHAR(64) NOT NULL DEFAULT '',
    calledName  VARCHAR(64) NOT NULL DEFAULT '',
    type        INT NOT NULL DEFAULT 0,
    source_name VARCHAR(128) NOT NULL DEFAULT '',
    recordfile  VARCHAR(255) NULL
) ENGINE=InnoDB;

-- Same rows, read by the central server for the service road.
CREATE TABLE IF NOT EXISTS talklog LIKE talklog_bak;

CREATE TABLE IF NOT EXISTS terminallog (
    id          INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    date        BIGINT NOT NULL DEFAULT 0,
    terminalId  INT NOT NULL DEFAULT 0,
    name        VARCHAR(64) NOT NULL DEFAULT '',
    type        VARCHAR(32) NOT NULL DEFAULT '',
    ip          VARCHAR(64) NOT NULL DEFAULT '',
    action      VARCHAR(255) NOT NULL DEFAULT ''
) ENGINE=InnoDB;

CREATE TABLE IF NOT EXISTS userlog (
    id          INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    name        VARCHAR(64) NOT NULL DEFAULT '',
    ip          VARCHAR(64) NOT NULL DEFAULT '',
    time        BIGINT NOT NULL DEFAULT 0,
    content     VARCHAR(255) NOT NULL DEFAULT ''
) ENGINE=InnoDB;
