<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="02_Near" tilewidth="2048" tileheight="640" tilecount="2" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="2"/>
 </properties>
 <tile id="0">
  <image width="2048" height="640" source="02_Near/Trees_Forest.png"/>
 </tile>
 <tile id="1">
  <image width="2048" height="640" source="02_Near/Trees_Meadow.png"/>
 </tile>
</tileset>
